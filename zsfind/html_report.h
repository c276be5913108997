#pragma once
// The HTML result: an HTML5 document in Shift_JIS with one section per search
// (query, database, comparison, count, the database's encoding, a chart of the
// records per decade when most of them hold a year, then each matching record,
// every character as the database holds it, with every hit marked).
// Records whose fields are separated by tabs are rows of a table, one cell a
// field, under a heading row; other records are paragraphs. The records lie
// in chunks of kChunkRecords, which a browser lays out only when they come
// into view; a script in the document's head adds the controls that sort,
// filter and export them. Appending puts a new section before the closing
// tags, so the file stays one valid document.

#include "zsfind/field_headings.h"
#include "zsfind/report.h"
#include "zsfind/year_chart.h"

#include <string>
#include <string_view>
#include <vector>

class THtmlReport : public TReport {
 public:
  using TReport::TReport;
  void Record(const TFoundRecord& record) override;
  void Problem(std::string_view message) override;
  void Note(std::string_view message) override;

 protected:
  std::uint64_t KeptBytes() override;
  void WriteHeader(const TQuery& query, bool newFile) override;
  void WriteFooter(const TSearchSummary& summary) override;

 private:
  // Records a chunk holds: few enough that laying out one is quick, many
  // enough that a large result has not too many.
  static constexpr std::size_t kChunkRecords = 64;

  // Where a table's heading row goes, filled in at the end when every
  // record's fields are known.
  struct THead {
    TField Field;
    std::size_t Fields;
  };

  void StartRecord();
  void StartTable(std::size_t fields);
  void EndTable();
  void EndRows();
  void Remark(std::string_view kind, std::string_view label, std::string_view message);

  std::size_t FChunkRecords = 0;  // records in the open chunk
  std::size_t FTableFields = 0;   // fields the open table's heading covers; 0: no table
  std::vector<THead> FHeads;
  TFieldHeadings FFields;
  TYearChart FYears;
  TField FCount, FEncoding, FChart;
};

// Shift-JIS text as HTML text in the page: markup characters escaped, bytes
// that are no character (controls, a lead byte without a valid trail) shown
// as U+FFFD.
std::string EscapeHtml(std::string_view text);

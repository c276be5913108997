#pragma once
// The HTML result: an HTML5 document in Shift_JIS with one section per search
// (query, database, comparison, count, the database's encoding, a chart of the
// records per decade when most of them hold a year, then each matching record,
// every character as the database holds it, with every hit marked).
// Records whose fields are separated by tabs are rows of a table, one cell a
// field; other records are paragraphs. Appending puts a new section before the
// closing tags, so the file stays one valid document.

#include "zsfind/report.h"
#include "zsfind/year_chart.h"

#include <string>
#include <string_view>

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
  void EndTable();
  void Remark(std::string_view kind, std::string_view label, std::string_view message);

  bool InTable = false;
  TYearChart Years;
  TField Count, Encoding, Chart;
};

// Text as HTML text in the Shift_JIS page: markup characters escaped, bytes
// that are no character (controls, a lead byte without a valid trail, bytes
// that are no UTF-8) shown as U+FFFD, and in UTF-8 text the characters code
// page 932 lacks as character references.
std::string EscapeHtml(std::string_view text, TCharCoding coding = TCharCoding::ShiftJis);

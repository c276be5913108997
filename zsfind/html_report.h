#pragma once
// The HTML result: an HTML5 document in Shift_JIS with one section per search
// (query, database, comparison, count, a chart of the records per decade when
// most of them hold a year, then each matching record with every hit marked).
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
  void Record(std::string_view record, const THitMask& hits) override;
  void Problem(std::string_view message) override;

 protected:
  std::uint64_t KeptBytes() override;
  void WriteHeader(const TQuery& query, bool newFile) override;
  void WriteFooter() override;

 private:
  void EndTable();

  bool InTable = false;
  TYearChart Years;
  std::uint64_t ChartOffset = 0;
};

// Shift-JIS text as HTML text: markup characters escaped, bytes that are not a
// character of code page 932 (controls, a lead byte without a valid trail)
// shown as U+FFFD.
std::string EscapeHtml(std::string_view text);

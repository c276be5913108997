#pragma once
// The HTML result: an HTML5 document in Shift_JIS with one section per search
// (query, database, comparison, count, then each matching record with every hit
// marked). Appending puts a new section before the closing tags, so the file
// stays one valid document.

#include "zsfind/report.h"

#include <string>
#include <string_view>
#include <vector>

class THtmlReport : public TReport {
 public:
  using TReport::TReport;
  void Record(std::string_view record, const std::vector<THit>& hits) override;
  void Problem(std::string_view message) override;

 protected:
  std::uint64_t KeptBytes() override;
  void WriteHeader(const TQuery& query, bool newFile) override;
  void WriteFooter() override;
};

// Shift-JIS text as HTML text: markup characters escaped, bytes that are not a
// character of code page 932 (controls, a lead byte without a valid trail)
// shown as U+FFFD, and the hit ranges wrapped in <mark>.
std::string EscapeHtml(std::string_view text, const std::vector<THit>& hits = {});

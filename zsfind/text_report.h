#pragma once
// The text result: Shift-JIS with CR LF, one header line per search (words,
// database, comparison, count) followed by the matching records as they stand
// and an empty line.

#include "zsfind/report.h"

class TTextReport : public TReport {
 public:
  using TReport::TReport;
  void Record(std::string_view record, const THitMask& hits) override;
  void Problem(std::string_view message) override;

 protected:
  std::uint64_t KeptBytes() override;
  void WriteHeader(const TQuery& query, bool newFile) override;
  void WriteFooter() override;
};

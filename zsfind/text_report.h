#pragma once
// The text result: Shift-JIS with CR LF, one header line per search (words,
// database, comparison, count, the database's encoding) followed by the
// matching records as they stand (in Shift-JIS, whatever the database's
// encoding) and an empty line.

#include "zsfind/report.h"

class TTextReport : public TReport {
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
  void Line(std::string_view label, std::string_view message);

  TField FSummary;
};

// The header's summary: the count, the encoding and how many characters are
// shown as 〓.
std::string SummaryText(const TSearchSummary& summary);

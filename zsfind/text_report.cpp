#include "zsfind/text_report.h"

#include "zsfind/messages.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kGap = "　";
// Wide enough for a 20-digit count, the longest encoding name and a
// 20-digit number of replaced characters, with their words.
constexpr std::size_t kSummaryWidth = 160;

}  // namespace

std::string SummaryText(const TSearchSummary& summary) {
  std::string text = CountText(summary.Count);
  if (summary.Encoding) {
    text.append(kGap).append(zsmsg::kEncoding).append(EncodingName(*summary.Encoding));
  }
  if (summary.Replaced > 0) {
    text.append(kGap).append(zsmsg::kReplaced).append(std::to_string(summary.Replaced));
    text.append(zsmsg::kReplacedUnit);
  }
  return text;
}

std::uint64_t TTextReport::KeptBytes() { return ExistingSize(Target()).value_or(0); }

void TTextReport::WriteHeader(const TQuery& query, bool) {
  TWriteFile& out = Out();
  out.Write(zsmsg::kWords);
  for (const std::string* word : {&query.Word1, &query.Word2}) {
    if (word->empty()) continue;
    out.Write(zsmsg::kOpenQuote);
    out.Write(*word);
    out.Write(zsmsg::kCloseQuote);
  }
  out.Write(kGap);
  out.Write(zsmsg::kDatabase);
  out.Write(query.Database);
  out.Write(kGap);
  out.Write(zsmsg::kCompare);
  out.Write(zsmsg::CompareName(query.Compare));
  out.Write(kGap);
  out.Write(zsmsg::kCount);
  FSummary = ReserveField(kSummaryWidth);
  out.Write(kLineEnd);
}

void TTextReport::Record(const TFoundRecord& record) {
  Out().Write(record.ShiftJis);
  Out().Write(kLineEnd);
}

void TTextReport::Line(std::string_view label, std::string_view message) {
  Out().Write(label);
  Out().Write(message);
  Out().Write(kLineEnd);
}

void TTextReport::Problem(std::string_view message) { Line(zsmsg::kProblem, message); }

void TTextReport::Note(std::string_view message) { Line(zsmsg::kNote, message); }

void TTextReport::WriteFooter(const TSearchSummary& summary) {
  Out().Write(kLineEnd);
  Fill(FSummary, SummaryText(summary));
}

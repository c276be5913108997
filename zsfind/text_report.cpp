#include "zsfind/text_report.h"

#include "zsfind/messages.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kGap = "　";

}  // namespace

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
  out.Write(query.Compare == TCompare::Folded ? zsmsg::kFolded : zsmsg::kExact);
  out.Write(kGap);
  out.Write(zsmsg::kCount);
  WriteCountField();
  out.Write(kLineEnd);
}

void TTextReport::Record(std::string_view record, const THitMask&) {
  Out().Write(record);
  Out().Write(kLineEnd);
}

void TTextReport::Problem(std::string_view message) {
  Out().Write(zsmsg::kProblem);
  Out().Write(message);
  Out().Write(kLineEnd);
}

void TTextReport::WriteFooter() { Out().Write(kLineEnd); }

#include "zsfind/report.h"

#include "encoding/shift_jis.h"
#include "zsfind/messages.h"

std::string CountText(std::optional<std::uint64_t> count) {
  return count ? std::to_string(*count).append(zsmsg::kCountUnit)
               : std::string(zsmsg::kNotSearched);
}

bool TReport::Begin(const TQuery& query) {
  FKept = FAppend ? KeptBytes() : 0;
  FStarted = StartSection(query);
  if (FStarted) {
    Problem(zsmsg::kUnfinished);
    FStarted = Finish({}) && StartSection(query);
  }
  if (!FStarted) RemoveFile(Target());
  return FStarted;
}

// The earlier sections, then this one's header. A target that is gone or
// shorter than it was cannot be appended to: a new document starts instead.
bool TReport::StartSection(const TQuery& query) {
  if (!FFile.Start(FKept)) {
    if (FKept == 0) return false;
    FKept = 0;
    if (!FFile.Start(0)) return false;
  }
  WriteHeader(query, FKept == 0);
  return true;
}

bool TReport::Finish(const TSearchSummary& summary) {
  WriteFooter(summary);
  return FFile.Commit();
}

TReport::TField TReport::ReserveField(std::size_t width) {
  const std::uint64_t offset = Out().Offset();
  Out().Write(std::string(width, ' '));
  return {offset, width};
}

void TReport::Fill(const TField& field, std::string_view text) {
  const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
  std::size_t length = 0;
  while (length < text.size()) {
    const std::size_t next = length + ShiftJisCharLength(begin + length, begin + text.size());
    if (next > field.Width) break;
    length = next;
  }
  Out().WriteAt(field.Offset, text.substr(0, length));
}

bool TReport::End(const TSearchSummary& summary) { return FStarted && Finish(summary); }

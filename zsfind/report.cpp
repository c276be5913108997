#include "zsfind/report.h"

#include "zsfind/messages.h"

namespace {

// Wide enough for any 20-digit count with its unit, or the not-searched text.
constexpr std::size_t kCountWidth = 24;

}  // namespace

std::string CountField(std::optional<std::uint64_t> count) {
  std::string field =
      count ? std::to_string(*count).append(zsmsg::kCountUnit) : std::string(zsmsg::kNotSearched);
  field.resize(kCountWidth, ' ');
  return field;
}

bool TReport::Begin(const TQuery& query) {
  Kept = Append ? KeptBytes() : 0;
  Started = StartSection(query);
  if (Started) {
    Problem(zsmsg::kUnfinished);
    Started = Finish(std::nullopt) && StartSection(query);
  }
  if (!Started) RemoveFile(Target());
  return Started;
}

// The earlier sections, then this one's header. A target that is gone or
// shorter than it was cannot be appended to: a new document starts instead.
bool TReport::StartSection(const TQuery& query) {
  if (!File.Start(Kept)) {
    if (Kept == 0) return false;
    Kept = 0;
    if (!File.Start(0)) return false;
  }
  WriteHeader(query, Kept == 0);
  return true;
}

bool TReport::Finish(std::optional<std::uint64_t> count) {
  WriteFooter();
  Fill(CountOffset, CountField(count));
  return File.Commit();
}

std::uint64_t TReport::Reserve(std::size_t size) {
  const std::uint64_t offset = Out().Offset();
  Out().Write(std::string(size, ' '));
  return offset;
}

void TReport::WriteCountField() { CountOffset = Reserve(kCountWidth); }

bool TReport::End(std::optional<std::uint64_t> count) { return Started && Finish(count); }

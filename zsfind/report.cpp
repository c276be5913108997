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
  const std::uint64_t kept = Append ? KeptBytes() : 0;
  Started = File.Start(kept);
  if (Started) WriteHeader(query, kept == 0);
  return Started;
}

void TReport::WriteCountField() {
  CountOffset = Out().Offset();
  Out().Write(CountField(std::nullopt));
}

bool TReport::End(std::optional<std::uint64_t> count) {
  if (!Started) {
    File.Commit();
    return false;
  }
  WriteFooter();
  Out().WriteAt(CountOffset, CountField(count));
  return File.Commit();
}

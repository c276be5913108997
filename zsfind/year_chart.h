#pragma once
// The years of one search's matching records, for a chart at the top of its
// HTML section: for each tab-separated field (of the first kFields), how many
// records hold a plausible year there, by decade. The chart shows the field
// that most records hold a year in, when more than half of them (and at least
// two) do. It is an inline SVG bar chart: no file beside it, and black and
// grey, so it prints as it shows. The figure names its field and each bar its
// decade, so that the page's script can show a decade's records on a click.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class TYearChart {
 public:
  // The most bytes the chart's markup takes (50 decades, 20-digit counts).
  static constexpr std::size_t kMaxSize = 8192;

  void Clear() { *this = TYearChart(); }
  void Add(std::string_view record);
  // The chart as an HTML figure, or empty when there is none to draw.
  std::string Html() const;

 private:
  static constexpr std::size_t kFields = 16;
  static constexpr int kFirstYear = 1600;
  static constexpr std::size_t kDecades = 50;  // 1600 to 2099

  std::uint64_t FRecords = 0;
  std::array<std::uint64_t, kFields> FWithYear{};
  std::array<std::array<std::uint64_t, kDecades>, kFields> FPerDecade{};
};

// The year a field holds: four digits (half- or full-width), followed by 年 or
// not, blanks around them; none for anything else or a year before 1600 or
// after 2099.
std::optional<int> YearOf(std::string_view field);

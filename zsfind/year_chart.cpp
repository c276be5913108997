#include "zsfind/year_chart.h"

#include "zsfind/field_scan.h"
#include "zsfind/messages.h"

#include <algorithm>

namespace {

using fieldscan::SkipBlanks;
using fieldscan::Take;
using fieldscan::TakeDigit;

constexpr std::string_view kYear = "\x94\x4E";  // 年

// Layout of the chart, in pixels.
constexpr int kLeft = 48;   // room for the scale
constexpr int kTop = 16;    // room for the counts above the bars
constexpr int kPlot = 120;  // height of the tallest bar
constexpr int kStep = 28;   // from one decade to the next
constexpr int kBar = 20;
constexpr int kBase = kTop + kPlot;
constexpr int kHeight = kBase + 22;
// Beyond this many decades the bars carry no counts, and only every
// (decades / kMaxLabels)th decade is named, so that no two labels overlap.
constexpr std::size_t kCountedBars = 24;
constexpr std::size_t kMaxLabels = 12;

std::string Number(std::uint64_t n) { return std::to_string(n); }

std::string Text(int x, int y, std::string_view anchor, std::string_view text) {
  return "<text x=\"" + Number(static_cast<std::uint64_t>(x)) + "\" y=\"" +
         Number(static_cast<std::uint64_t>(y)) + "\" text-anchor=\"" + std::string(anchor) + "\">" +
         std::string(text) + "</text>";
}

}  // namespace

std::optional<int> YearOf(std::string_view field) {
  SkipBlanks(field);
  int year = 0;
  for (int i = 0; i < 4; ++i) {
    const auto digit = TakeDigit(field);
    if (!digit) return std::nullopt;
    year = year * 10 + *digit;
  }
  Take(field, kYear);
  SkipBlanks(field);
  if (!field.empty() || year < 1600 || year > 2099) return std::nullopt;
  return year;
}

void TYearChart::Add(std::string_view record) {
  ++FRecords;
  for (std::size_t field = 0; field < kFields; ++field) {
    const std::size_t tab = record.find('\t');
    if (const auto year = YearOf(record.substr(0, tab))) {
      ++FWithYear[field];
      ++FPerDecade[field][static_cast<std::size_t>(*year - kFirstYear) / 10];
    }
    if (tab == std::string_view::npos) return;
    record.remove_prefix(tab + 1);
  }
}

std::string TYearChart::Html() const {
  const auto best = static_cast<std::size_t>(std::max_element(FWithYear.begin(), FWithYear.end()) -
                                             FWithYear.begin());
  if (FWithYear[best] < 2 || FWithYear[best] * 2 <= FRecords) return {};
  const auto& decades = FPerDecade[best];
  const auto isSet = [](std::uint64_t n) { return n > 0; };
  const auto first = static_cast<std::size_t>(std::find_if(decades.begin(), decades.end(), isSet) -
                                              decades.begin());
  const auto last = static_cast<std::size_t>(
      decades.rend() - std::find_if(decades.rbegin(), decades.rend(), isSet) - 1);
  const std::uint64_t most = *std::max_element(decades.begin(), decades.end());
  const std::size_t bars = last - first + 1;
  const std::size_t labelEvery = (bars + kMaxLabels - 1) / kMaxLabels;
  const int width = kLeft + static_cast<int>(bars) * kStep + 8;

  std::string svg = "<figure class=\"chart\" data-field=\"" + Number(best) +
                    "\">\r\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                    Number(static_cast<std::uint64_t>(width)) + "\" height=\"" + Number(kHeight) +
                    "\" viewBox=\"0 0 " + Number(static_cast<std::uint64_t>(width)) + " " +
                    Number(kHeight) + "\" role=\"img\">\r\n<title>" +
                    std::string(zsmsg::kChartTitle) + "</title>\r\n";
  svg += Text(kLeft - 4, kTop + 4, "end", Number(most)) + Text(kLeft - 4, kBase, "end", "0");
  svg += "<path d=\"M" + Number(kLeft) + " " + Number(kTop) + "V" + Number(kBase) + "H" +
         Number(static_cast<std::uint64_t>(width - 4)) + "\" fill=\"none\" stroke=\"#000\"/>\r\n";
  for (std::size_t i = 0; i < bars; ++i) {
    const std::uint64_t count = decades[first + i];
    const std::string decade = Number(static_cast<std::uint64_t>(kFirstYear) + 10 * (first + i));
    const int x = kLeft + static_cast<int>(i) * kStep + (kStep - kBar) / 2;
    const int middle = x + kBar / 2;
    const auto height = static_cast<int>((count * kPlot + most - 1) / most);
    svg += "<rect data-decade=\"" + decade + "\" x=\"" + Number(static_cast<std::uint64_t>(x)) +
           "\" y=\"" + Number(static_cast<std::uint64_t>(kBase - height)) + "\" width=\"" +
           Number(kBar) + "\" height=\"" + Number(static_cast<std::uint64_t>(height)) +
           "\" fill=\"#666\"><title>" + decade + std::string(zsmsg::kDecadeSuffix) + " " +
           Number(count) + std::string(zsmsg::kCountUnit) + "</title></rect>";
    if (bars <= kCountedBars && count > 0)
      svg += Text(middle, kBase - height - 3, "middle", Number(count));
    if (i % labelEvery == 0) svg += Text(middle, kBase + 14, "middle", decade);
    svg += "\r\n";
  }
  svg += "</svg>\r\n<figcaption>" + std::string(zsmsg::kChartTitle) + "（" +
         std::string(zsmsg::kChartRecordsWithYear) + Number(FWithYear[best]) +
         std::string(zsmsg::kCountUnit) + "）</figcaption>\r\n</figure>\r\n";
  return svg;
}

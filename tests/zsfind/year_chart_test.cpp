// The years behind the HTML result's chart: which fields hold a plausible
// year, when most records do, and that the chart fits the room kept for it.

#include "zsfind/year_chart.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(YearChart, PlausibleYears) {
  struct TCase {
    std::string Field;
    std::optional<int> Year;
  };
  const TCase cases[] = {
      {"1987", 1987},   {"１９８７", 1987}, {" 1987年　", 1987}, {"2099", 2099},  {"1600", 1600},
      {"1599", {}},     {"2100", {}},       {"0123", {}},        {"19876", {}},   {"198", {}},
      {"1987a", {}},    {"年1987", {}},     {"1987年年", {}},    {"19８7", 1987}, {"", {}},
      {"\x82\x4F", {}}, {"1987-1988", {}},  {"12-34", {}},
  };
  for (const TCase& c : cases) EXPECT_EQ(YearOf(c.Field), c.Year) << c.Field;
}

TEST(YearChart, DrawnWhenMostRecordsHoldAYearInOneField) {
  TYearChart chart;
  chart.Add("a\t1987\tx");
  EXPECT_EQ(chart.Html(), "");  // one record is too few
  chart.Add("b\tx\t2001");
  EXPECT_EQ(chart.Html(), "");  // a year in each, but not in one field
  chart.Add("c\t1995\tx");
  const std::string html = chart.Html();  // two of three in the second field
  EXPECT_NE(html.find("<svg"), std::string::npos);
  EXPECT_NE(html.find("1980年代 1 件"), std::string::npos);
  EXPECT_NE(html.find("1990年代 1 件"), std::string::npos);
  EXPECT_EQ(html.find("2000年代"), std::string::npos);
  chart.Add("d\tx\tx");
  EXPECT_EQ(chart.Html(), "");  // two of four is not more than half

  TYearChart wide;
  for (int year = 1600; year < 2100; year += 10) {
    for (int i = 0; i < 1000; ++i) wide.Add(std::to_string(year));
  }
  const std::string widest = wide.Html();
  EXPECT_LE(widest.size(), TYearChart::kMaxSize);
  EXPECT_NE(widest.find("2090年代 1000 件"), std::string::npos);
}

}  // namespace

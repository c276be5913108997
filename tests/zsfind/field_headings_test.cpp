// The headings of the HTML result's tables: what a field is taken to hold,
// the name a field gets when most records tell it, columns that fill the
// table, and a heading row that fits the room kept for it.

#include "zsfind/field_headings.h"
#include "tests/zsfind/result_files.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace {

TEST(FieldHeadings, KindsOfFields) {
  const std::pair<std::string, TFieldKind> cases[] = {
      {"1987", TFieldKind::Year},
      {"１９８７年", TFieldKind::Year},
      {"000123", TFieldKind::Number},
      {" １２ ", TFieldKind::Number},
      {"1599", TFieldKind::Number},
      {"12-40", TFieldKind::Pages},
      {"pp. 3－9", TFieldKind::Pages},
      {"p.7", TFieldKind::Pages},
      {"12頁", TFieldKind::Pages},
      {"3～9", TFieldKind::Pages},
      {"12-", TFieldKind::Text},
      {"-12", TFieldKind::Text},
      {"12a", TFieldKind::Text},
      {"", TFieldKind::Text},
      {"題名 1987", TFieldKind::Text},
      {"http://a.jp/x", TFieldKind::Url},
      {"see http://a.jp", TFieldKind::Text},
  };
  for (const auto& [field, kind] : cases) EXPECT_EQ(KindOf(field), kind) << field;
}

TEST(FieldHeadings, NamedWhenMoreThanHalfOfTheRecordsTell) {
  TFieldHeadings headings;
  EXPECT_EQ(headings.Add("0001\t山田\t1987\t12-40\t3\thttp://a.jp\tx"), 7u);
  EXPECT_EQ(headings.Add("0002\t佐藤\t1990年\tp. 5\t4\thttps://b.jp\t1"), 7u);
  EXPECT_EQ(headings.Add("0003\t1999\tx\t7\tx\tx"), 6u);
  const std::string html = headings.Html(7);
  // A field that only one of two records holds a number in stays 欄7.
  std::size_t at = 0;
  for (const char* heading :
       {" class=\"n\">番号<", "%\">欄2<", " class=\"n\">年<", " class=\"n\">ページ<",
        " class=\"n\">数値<", "%\">URL<", "%\">欄7<"}) {
    at = html.find(heading, at);
    EXPECT_NE(at, std::string::npos) << heading << " in " << html;
  }
  int tenths = 0;
  const std::regex width("width:(\\d+)\\.(\\d)%");
  for (std::sregex_iterator i(html.begin(), html.end(), width), end; i != end; ++i)
    tenths += std::stoi((*i)[1]) * 10 + std::stoi((*i)[2]);
  EXPECT_EQ(tenths, 1000);
}

TEST(FieldHeadings, TheWidestRowFitsItsRoom) {
  TFieldHeadings headings;
  std::string record = "1-2";
  for (std::size_t i = 1; i < TFieldHeadings::kMaxFields + 10; ++i) record += "\t1-2";
  EXPECT_EQ(headings.Add(record), TFieldHeadings::kMaxFields);
  const std::string html = headings.Html(TFieldHeadings::kMaxFields);
  EXPECT_EQ(resultfiles::Count(html, " class=\"n\">ページ</th>"), 64);
  EXPECT_LE(html.size(), TFieldHeadings::MaxSize(TFieldHeadings::kMaxFields));
}

}  // namespace

// Line breaking for the printout when the control cannot lay out pages.

#include "viewers/text_lines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// One unit per byte: a double-byte character is two units wide.
int ByteWidth(std::string_view text) { return static_cast<int>(text.size()); }

std::vector<std::string> Texts(std::string_view text, const TLinesOfPage& page) {
  std::vector<std::string> lines;
  for (const TTextLine& line : page.Lines) {
    lines.emplace_back(text.substr(line.Begin, line.End - line.Begin));
  }
  return lines;
}

TEST(LinesOfPage, BreaksAtLineEndsAndAtTheWidth) {
  const struct {
    const char* Name;
    std::string Text;
    int Width;
    std::vector<std::string> Lines;
  } cases[] = {
      {"crlf cr lf", "a\r\nb\rc\nd", 10, {"a", "b", "c", "d"}},
      {"empty lines", "a\n\n\r\n\r\rb", 10, {"a", "", "", "", "", "b"}},
      {"trailing line end", "a\r\n", 10, {"a"}},
      {"wrap", "abcdefg", 3, {"abc", "def", "g"}},
      // 表 ソ 能 end in 0x5C; a break never falls inside them.
      {"double-byte", "表ソ能x", 3, {"表", "ソ", "能x"}},
      {"half-width kana", "ｱｲｳｴ", 3, {"ｱｲｳ", "ｴ"}},
      {"wider than the page", "表a", 1, {"表", "a"}},
      {"empty", "", 10, {}},
  };
  for (const auto& c : cases) {
    const TLinesOfPage page = LinesOfPage(c.Text, 0, 100, c.Width, ByteWidth);
    EXPECT_EQ(Texts(c.Text, page), c.Lines) << c.Name;
    EXPECT_EQ(page.Next, c.Text.size()) << c.Name;
  }
}

TEST(LinesOfPage, StopsAfterTheLinesOfOnePageAndGoesOnFromThere) {
  const std::string text = "one\r\ntwo\r\nthree\r\nfour";
  const TLinesOfPage first = LinesOfPage(text, 0, 2, 10, ByteWidth);
  EXPECT_EQ(Texts(text, first), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(first.Next, 10u);
  const TLinesOfPage second = LinesOfPage(text, first.Next, 2, 10, ByteWidth);
  EXPECT_EQ(Texts(text, second), (std::vector<std::string>{"three", "four"}));
  EXPECT_EQ(second.Next, text.size());
  EXPECT_TRUE(LinesOfPage(text, 0, 0, 10, ByteWidth).Lines.empty());
}

}  // namespace

// Occurrences of one word in one record, for both comparisons: the Shift-JIS
// traps (0x5C trail bytes, trail bytes that look like ASCII letters, runs of
// lead-range bytes) and the folding rules. Literals are compiled to Shift-JIS.

#include "zsfind/word_pattern.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TCase {
  const char* Name;
  std::string Record;
  std::string Word;
  TCompare Compare;
  std::vector<std::size_t> Begins;  // where the occurrences start
};

std::vector<std::size_t> Begins(const TCase& c) {
  std::vector<THit> hits;
  TWordPattern(c.Word, c.Compare).CollectHits(c.Record, hits);
  std::vector<std::size_t> begins;
  for (const THit& h : hits) begins.push_back(h.Begin);
  return begins;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

std::vector<std::size_t> Every(std::size_t first, std::size_t step, std::size_t count) {
  std::vector<std::size_t> v;
  for (std::size_t i = 0; i < count; ++i) v.push_back(first + i * step);
  return v;
}

constexpr TCompare E = TCompare::Exact;
constexpr TCompare F = TCompare::Folded;

const std::vector<TCase>& Cases() {
  static const std::vector<TCase> cases = {
      // 0x5C is the trail byte of 表 ソ 能 and of the IBM kanji 纊 (FA 5C).
      {"yen in 表ソ能纊", "表ソ能\xFA\x5C", "\\", E, {}},
      {"yen in 表ソ能纊 folded", "表ソ能\xFA\x5C", "\\", F, {}},
      {"real yen after 表", "表\\ソ", "\\", E, {2}},
      {"表 itself", "a表\\表", "表", E, {1, 4}},
      {"ソ followed by 5C", "ソ\\", "\\", F, {2}},
      // ア is 83 41, ヂ is 83 61: folding 'a' to 'A' inside ヂ would make them equal.
      {"ア is not ヂ folded", "ヂヂ", "ア", F, {}},
      {"ア is not ヂ exact", "ヂ", "ア", E, {}},
      {"a is not the trail of ヂ", "ヂ", "a", F, {}},
      {"A is not the trail of ア", "ア", "a", F, {}},
      {"half-width ｱ is ア", "ヂｱア", "ア", F, {2, 3}},
      // A long run of lead-range bytes: ＝ is 81 81, so 81 81 occurs at every offset.
      {"run of 81 bytes", Repeat("＝", 3000), "＝", E, Every(0, 2, 3000)},
      {"run after one byte", std::string("ｱ").append(Repeat("＝", 1000)), "＝", F,
       Every(1, 2, 1000)},
      {"run ending in a lone lead", std::string("\x81").append(Repeat("＝", 500)), "＝", E,
       Every(0, 2, 500)},
      {"start and end of record", "山田と山田", "山田", E, {0, 6}},
      {"whole record", "山田", "山田", F, {0}},
      {"longer than record", "山", "山田", F, {}},
      {"R is the trail of 山", "x山", "R", E, {}},
      {"lone lead byte at end", "ab\x8E", "b", E, {1}},
      // A lead byte with a byte the code page does not use as a trail (81 26):
      // still one character, the same in both comparisons.
      {"invalid trail exact",
       "abc\x81\x26"
       "def\x81\x26",
       "\x81\x26",
       E,
       {3, 8}},
      {"invalid trail folded",
       "abc\x81\x26"
       "def\x81\x26",
       "\x81\x26",
       F,
       {3, 8}},
      {"invalid trail is no ampersand", "\x81\x26", "&", F, {}},
      // Folding: case of ASCII and full-width Latin, width of letters and digits.
      {"case ASCII", "Abc aBC ABC", "abc", F, {0, 4, 8}},
      {"full-width Latin", "ＡＢＣ ａｂｃ", "abc", F, {0, 7}},
      {"full-width in word", "xAbC", "ＡＢＣ", F, {1}},
      {"digits", "１９８７年 1987", "1987", F, {0, 11}},
      {"exact keeps case", "Abc ABC", "abc", E, {}},
      {"exact keeps width", "ＡＢＣ", "ABC", E, {}},
      // Katakana: half-width with voiced marks is one character.
      {"ｶﾞｽ is ガス", "ｶﾞｽとガス", "ガス", F, {0, 5}},
      {"ガス finds ｶﾞｽ from half-width word", "ガス", "ｶﾞｽ", F, {0}},
      {"ｶ is not ｶﾞ", "ｶﾞ", "カ", F, {}},
      {"ﾊﾟ is パ, ﾊﾞ is バ", "ﾊﾟﾊﾞハ", "パ", F, {0}},
      {"ｳﾞ is ヴ", "ｳﾞｧ", "ヴァ", F, {0}},
      {"long vowel mark", "ﾃﾞｰﾀ", "データ", F, {0}},
      {"hiragana is not katakana", "がす", "ガス", F, {}},
      {"katakana is not hiragana", "ガス", "がす", F, {}},
      {"exact ガス is not ｶﾞｽ", "ｶﾞｽ", "ガス", E, {}},
      // Characters code page 932 holds twice (NEC and IBM extensions).
      {"纊 IBM and NEC-selected", "\xED\x40", "\xFA\x5C", F, {0}},
      {"髙 IBM and NEC-selected", "\xEE\xE0", "\xFB\xFC", F, {0}},
      {"Roman II NEC and IBM", "\xFA\x4B", "Ⅱ", F, {0}},
      {"because: three codes", "\x81\xE6\x87\x9A\xFA\x5B", "∵", F, {0, 2, 4}},
      {"exact keeps the code", "\xED\x40", "\xFA\x5C", E, {}},
      {"overlapping hits", "aaaa", "aa", E, {0, 1, 2}},
  };
  return cases;
}

TEST(WordPattern, OccurrencesStartOnCharacters) {
  for (const TCase& c : Cases()) {
    EXPECT_EQ(Begins(c), c.Begins) << c.Name;
    EXPECT_EQ(TWordPattern(c.Word, c.Compare).OccursIn(c.Record), !c.Begins.empty()) << c.Name;
  }
}

TEST(WordPattern, HitEndsAfterTheLastCharacterMatched) {
  std::vector<THit> hits;
  TWordPattern("ガス", F).CollectHits("xｶﾞｽy", hits);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].Begin, 1u);
  EXPECT_EQ(hits[0].End, 4u);
}

TEST(WordPattern, UsableWords) {
  struct TWord {
    std::string Text;
    bool Usable;
  };
  const TWord words[] = {{"a", true},       {" ", true},     {"表", true},
                         {"", false},       {"\x95", false}, {"a\x95", false},
                         {"a\r\nb", false}, {"a\nb", false}, {"ｶﾞ", true}};
  for (const TWord& w : words) EXPECT_EQ(IsUsableWord(w.Text), w.Usable) << w.Text;
}

TEST(WordPattern, SameWords) {
  EXPECT_TRUE(TWordPattern("ｶﾞｽ", F).SameAs(TWordPattern("ガス", F)));
  EXPECT_FALSE(TWordPattern("ｶﾞｽ", E).SameAs(TWordPattern("ガス", E)));
  EXPECT_TRUE(TWordPattern("abc", F).SameAs(TWordPattern("ＡＢＣ", F)));
  EXPECT_FALSE(TWordPattern("abc", F).SameAs(TWordPattern("abd", F)));
}

}  // namespace

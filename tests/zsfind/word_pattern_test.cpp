// Occurrences of one word in one record, for every comparison: the Shift-JIS
// traps (0x5C trail bytes, trail bytes that look like ASCII letters, runs of
// lead-range bytes), the folding rules (old and variant kanji and the pairs
// kept apart, hiragana and katakana on request) and UTF-8 text. Literals are
// compiled to Shift-JIS; UTF-8 ones are written as u8"".

#include "zsfind/word_pattern.h"
#include "tests/support/word_hits.h"

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
  TCharCoding Coding = TCharCoding::ShiftJis;
};

std::string U(std::u8string_view text) { return {text.begin(), text.end()}; }

std::vector<std::size_t> Begins(const TCase& c) {
  std::vector<THit> hits;
  CollectHits(TWordPattern(c.Word, c.Compare, c.Coding), c.Record, hits);
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
constexpr TCompare K = TCompare::FoldedKana;
constexpr TCharCoding U8 = TCharCoding::Utf8;

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
      // Old and variant kanji, whichever form is typed and whichever is held.
      {"國語 is 国語", "國語と国語", "国語", F, {0, 6}},
      {"学会 finds 學會", "學會", "学会", F, {0}},
      {"圖書館 finds 図書館", "図書館", "圖書館", F, {0}},
      {"體 澤 廣 龍 齋 齊 櫻 濱 邊", "体沢広竜斎斉桜浜辺", "體澤廣龍齋齊櫻濱邊", F, {0}},
      {"IBM 髙 is 高", "髙橋", "高橋", F, {0}},
      {"exact keeps old forms", "國語", "国語", E, {}},
      {"斉藤 is not 斎藤", "斎藤と齋藤", "斉藤", F, {}},
      {"坂 is not 阪", "大阪", "大坂", F, {}},
      {"崎 is not 埼", "長崎", "長埼", F, {}},
      {"瀕 is not 浜", "瀕死", "浜", F, {}},
      // Hiragana and katakana, on request.
      {"kana folded", "がすとガスとｶﾞｽ", "ガス", K, {0, 6, 12}},
      {"kana and variants", "かな國", "カナ国", K, {0}},
      {"small kana, iteration marks", "ぁゝゞ", "ァヽヾ", K, {0}},
      {"small is not large", "あ", "ァ", K, {}},
      {"long mark stays", "あー", "アー", K, {0}},
      {"long mark is no kana", "あ", "ー", K, {}},
      // UTF-8 text, compared as Shift-JIS text is.
      {"UTF-8 kanji cp932 lacks", U(u8"森鷗外"), U(u8"鴎外"), F, {3}, U8},
      {"UTF-8 width and case", U(u8"xＡｂc"), U(u8"abc"), F, {1}, U8},
      {"UTF-8 half-width voiced", U(u8"ｶﾞｽとガス"), U(u8"ガス"), F, {0, 12}, U8},
      {"UTF-8 ｶ is not ｶﾞ", U(u8"ｶﾞ"), U(u8"カ"), F, {}, U8},
      {"combining mark", U(u8"がす"), U(u8"ガス"), K, {0}, U8},
      {"combining mark alone", U(u8"ガ"), U(u8"゛"), F, {}, U8},
      {"hiragana vu", U(u8"ゔ"), U(u8"ヴ"), K, {0}, U8},
      {"JIS wave dash", U(u8"1〜2"), U(u8"1～2"), F, {0}, U8},
      {"exact UTF-8 keeps width", U(u8"ＡＢＣ"), U(u8"ABC"), E, {}, U8},
      {"bytes that are no UTF-8", std::string("\x82\xE3\x81") + U(u8"あ"), U(u8"あ"), F, {3}, U8},
  };
  return cases;
}

TEST(WordPattern, OccurrencesStartOnCharacters) {
  for (const TCase& c : Cases()) {
    EXPECT_EQ(Begins(c), c.Begins) << c.Name;
    EXPECT_EQ(TWordPattern(c.Word, c.Compare, c.Coding).OccursIn(c.Record), !c.Begins.empty())
        << c.Name;
  }
}

TEST(WordPattern, HitEndsAfterTheLastCharacterMatched) {
  std::vector<THit> hits;
  CollectHits(TWordPattern("ガス", F), "xｶﾞｽy", hits);
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

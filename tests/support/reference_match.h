#pragma once
// A deliberately naive matcher to check the real one against: the text is
// decoded character by character from its start (Shift-JIS by the lead-byte
// rule, UTF-8 strictly), a kana and the mark after it are joined, each
// character is folded by itself, and the word's characters are compared at
// every character. No anchors, no skipping, no tables beyond the fold itself.

#include "encoding/cp932.h"
#include "encoding/shift_jis.h"
#include "encoding/utf8.h"
#include "tests/support/word_hits.h"
#include "zsfind/char_fold.h"
#include "zsfind/word_pattern.h"

#include <string>
#include <string_view>
#include <vector>

namespace reference {

struct TChar {
  std::string Key;  // the folded code, or the bytes
  std::size_t Begin;
  std::size_t End;
  char32_t Code;  // kNoCharacter for bytes that are no character
};

inline std::vector<TChar> Decoded(std::string_view text, TCharCoding coding) {
  const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = begin + text.size();
  std::vector<TChar> chars;
  for (const unsigned char* p = begin; p < end;) {
    std::size_t length = 0;
    char32_t code = kNoCharacter;
    if (coding == TCharCoding::ShiftJis) {
      length = ShiftJisCharLength(p, end);
      code = length == 2 ? Cp932Character(p[0], p[1]) : Cp932Character(p[0]);
    } else {
      const TUtf8Char c = DecodeUtf8(p, end);
      length = c.Length;
      code = c.Valid ? c.Code : kNoCharacter;
    }
    const auto at = static_cast<std::size_t>(p - begin);
    std::string bytes = "x";
    bytes.append(text.substr(at, length));
    chars.push_back({std::move(bytes), at, at + length, code});
    p += length;
  }
  return chars;
}

// The mark (U+3099 or U+309A) a character is, after a kana of the given
// code, or 0: half-width marks join half-width kana, combining marks any.
inline char32_t JoiningMark(char32_t kana, char32_t mark) {
  const bool halfWidthKana = kana >= 0xFF61 && kana <= 0xFF9F;
  if (mark == 0x3099 || mark == 0x309A) return mark;
  if (halfWidthKana && (mark == 0xFF9E || mark == 0xFF9F)) return mark - 0xFF9E + 0x3099;
  return 0;
}

inline std::vector<TChar> Characters(std::string_view text, TCompare compare,
                                     TCharCoding coding = TCharCoding::ShiftJis) {
  std::vector<TChar> chars = Decoded(text, coding);
  if (compare == TCompare::Exact) return chars;
  std::vector<TChar> folded;
  for (std::size_t i = 0; i < chars.size(); ++i) {
    TChar c = chars[i];
    if (c.Code == kNoCharacter) {
      folded.push_back(c);
      continue;
    }
    std::uint32_t key = FoldCharacter(c.Code, compare);
    if (i + 1 < chars.size() && chars[i + 1].Code != kNoCharacter) {
      const char32_t mark = JoiningMark(c.Code, chars[i + 1].Code);
      const std::uint32_t joined = mark ? ComposedKana(key, mark, compare) : 0;
      if (joined != 0) {
        key = joined;
        c.End = chars[++i].End;
      }
    }
    c.Key = std::to_string(key);
    folded.push_back(c);
  }
  return folded;
}

// Every occurrence, overlapping ones included, in order.
inline std::vector<THit> Occurrences(std::string_view record, std::string_view word,
                                     TCompare compare, TCharCoding coding = TCharCoding::ShiftJis) {
  const std::vector<TChar> r = Characters(record, compare, coding);
  const std::vector<TChar> w = Characters(word, compare, coding);
  std::vector<THit> hits;
  for (std::size_t i = 0; i + w.size() <= r.size(); ++i) {
    std::size_t k = 0;
    while (k < w.size() && r[i + k].Key == w[k].Key) ++k;
    if (k == w.size()) hits.push_back({r[i].Begin, r[i + k - 1].End});
  }
  return hits;
}

// The records of a database: the lines without their line ends (a '\n', and
// a '\r' before it or at the very end), the empty one after a last '\n' none.
inline std::vector<std::string_view> Records(std::string_view database) {
  std::vector<std::string_view> records;
  while (!database.empty()) {
    const std::size_t newline = database.find('\n');
    std::string_view line = database.substr(0, newline);
    database.remove_prefix(newline == std::string_view::npos ? database.size() : newline + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    records.push_back(line);
  }
  return records;
}

}  // namespace reference

#pragma once
// A deliberately naive matcher to check the real one against: the text's
// characters are read one by one from its start (folded, or as their bytes)
// and the word's are compared at every character. No anchors, no skipping, no
// tables beyond the fold itself.

#include "encoding/shift_jis.h"
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
};

inline std::vector<TChar> Characters(std::string_view text, TCompare compare) {
  const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = begin + text.size();
  std::vector<TChar> chars;
  for (const unsigned char* p = begin; p < end;) {
    const auto at = static_cast<std::size_t>(p - begin);
    std::size_t length = ShiftJisCharLength(p, end);
    std::string key(reinterpret_cast<const char*>(p), length);
    if (compare == TCompare::Folded) {
      const TFoldedChar c = ReadFolded(p, end);
      length = c.Length;
      key = std::to_string(c.Code);
    }
    chars.push_back({key, at, at + length});
    p += length;
  }
  return chars;
}

// Every occurrence, overlapping ones included, in order.
inline std::vector<THit> Occurrences(std::string_view record, std::string_view word,
                                     TCompare compare) {
  const std::vector<TChar> r = Characters(record, compare);
  const std::vector<TChar> w = Characters(word, compare);
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

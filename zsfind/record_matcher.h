#pragma once
// Decides which records of a block of text contain every search word. A rare
// byte of one word (its "anchor") is looked for first; only the records that
// hold it are compared character by character.

#include "zsfind/byte_scanner.h"
#include "zsfind/word_pattern.h"

#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

class TRecordMatcher {
 public:
  // One or two words; a second word equal to the first is dropped.
  explicit TRecordMatcher(std::vector<TWordPattern> words);

  // Chooses the anchor from how often each byte occurs in a sample of the text.
  void Tune(std::string_view sample);

  bool RecordMatches(std::string_view record) const;
  // Every occurrence of every word, merged where they overlap or touch.
  std::vector<THit> Highlights(std::string_view record) const;

  // Calls onMatch(record) for each matching record in [begin, end), which holds
  // whole lines: end is just past a '\n' or the end of the data. The record
  // excludes its CR LF or LF.
  template <typename TOnMatch>
  void ForEachMatch(const unsigned char* begin, const unsigned char* end, TOnMatch onMatch) const;

  const std::vector<TWordPattern>& Words() const { return Patterns; }

 private:
  // A byte sequence that must occur in every matching record, and which of
  // its bytes the scanner looks for. A candidate is checked against the whole
  // sequence before its record is compared.
  struct TAnchorForm {
    std::string Bytes;
    std::size_t Offset;
  };
  struct TAnchor {
    std::vector<unsigned char> Bytes;  // what the scanner looks for
    std::size_t PairDistance = 0;      // if set, Bytes[1] this far after Bytes[0]
    std::vector<TAnchorForm> Forms;
    double Cost = 0;
  };
  TAnchor ExactAnchor(const std::string& word, std::string_view sample,
                      const std::vector<std::size_t>& counts) const;
  TAnchor FoldedAnchor(std::uint16_t code, std::string_view sample,
                       const std::vector<std::size_t>& counts) const;
  bool PassesQuickCheck(const unsigned char* hit, const unsigned char* begin,
                        const unsigned char* end) const;

  std::vector<TWordPattern> Patterns;
  TAnchor Anchor;
  std::unique_ptr<TByteScanner> Scanner;
};

// The record that contains position p of [begin, end), without its line end.
std::string_view RecordAround(const unsigned char* begin, const unsigned char* end,
                              const unsigned char* p, const unsigned char** next);

template <typename TOnMatch>
void TRecordMatcher::ForEachMatch(const unsigned char* begin, const unsigned char* end,
                                  TOnMatch onMatch) const {
  const unsigned char* pos = begin;
  while (pos < end) {
    const unsigned char* hit = Scanner->Find(pos, end);
    if (hit == end) return;
    if (!PassesQuickCheck(hit, begin, end)) {
      pos = hit + 1;
      continue;
    }
    const std::string_view record = RecordAround(begin, end, hit, &pos);
    if (RecordMatches(record)) onMatch(record);
  }
}

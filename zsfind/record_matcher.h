#pragma once
// Decides which records of a block of text contain every search word. A short
// byte pattern that every matching record holds (its "anchor") is looked for
// first; only a record that holds it on a character boundary is compared in
// full. Every step reads each byte a bounded number of times, so a block is
// searched in time linear in its length.

#include "zsfind/byte_scanner.h"
#include "zsfind/word_pattern.h"

#include <string>
#include <string_view>
#include <vector>

class TRecordMatcher {
 public:
  // One or two words, in one coding; a second word equal to the first is dropped.
  explicit TRecordMatcher(std::vector<TWordPattern> words);

  TCharCoding Coding() const { return FTextCoding; }

  // Chooses the anchor that stops least often in a sample of the text.
  void Tune(std::string_view sample);

  // Marks every occurrence of every word (the mask is reset for the record).
  void MarkHits(std::string_view record, THitMask& mask) const;

  // Calls onMatch(record) for each matching record in [begin, end), which holds
  // whole lines: begin starts a record, end is just past a '\n' or the end of
  // the data. The record excludes its CR LF or LF. Stops where onMatch returns
  // false; returns where the search stopped: the start of the record after
  // that one, or end.
  template <typename TOnMatch>
  const unsigned char* ForEachMatch(const unsigned char* begin, const unsigned char* end,
                                    TOnMatch onMatch) const;

 private:
  // Byte strings of which a matching record holds one, each beginning on a
  // character boundary, and the pairs the scanner looks for: a pair stands
  // `Offset` bytes into a form.
  struct TAnchor {
    std::vector<TBytePair> Pairs;
    std::vector<std::string> Forms;
    std::size_t Offset = 0;
    // The word a form is the whole of, whose occurrence a form found on a
    // boundary proves (kNone when none is).
    std::size_t Proves = kNone;
    double Guess = 0;  // stops on the sample, guessed from its byte counts
  };
  static constexpr std::size_t kNone = ~std::size_t{0};
  bool RecordMatches(std::string_view record, std::size_t proven) const;
  static void AddLiteralAnchors(std::string_view run, std::size_t proves,
                                const std::vector<std::size_t>& counts,
                                std::vector<TAnchor>& candidates);
  static void AddCharAnchor(const std::vector<std::string>& encodings,
                            const std::vector<std::size_t>& counts,
                            std::vector<TAnchor>& candidates);
  static double Cost(const TAnchor& anchor, std::string_view sample, double limit);
  // Where a form that the scanner stopped on (at hit) begins, or null.
  static const unsigned char* FormStart(const TAnchor& anchor, const unsigned char* hit,
                                        const unsigned char* begin, const unsigned char* end);

  std::vector<TWordPattern> FPatterns;
  TCharCoding FTextCoding;
  TAnchor FAnchor;
  TByteScanner FScanner;
};

// The last '\n' in [begin, end), or null.
const unsigned char* LastNewline(const unsigned char* begin, const unsigned char* end);

// The record that contains position p of [begin, end) (begin starts a
// record), without its line end; *next is where the following record starts.
std::string_view RecordAround(const unsigned char* begin, const unsigned char* end,
                              const unsigned char* p, const unsigned char** next);

template <typename TOnMatch>
const unsigned char* TRecordMatcher::ForEachMatch(const unsigned char* begin,
                                                  const unsigned char* end,
                                                  TOnMatch onMatch) const {
  const unsigned char* pos = begin;  // the first record not yet compared
  TCharBoundary boundary(FTextCoding, begin);
  for (const unsigned char* from = begin; from < end;) {
    const unsigned char* hit = FScanner.Find(from, end);
    if (hit == end) return end;
    const unsigned char* start = FormStart(FAnchor, hit, pos, end);
    if (!start || !boundary.IsBoundary(start)) {
      from = hit + 1;
      continue;
    }
    const std::string_view record = RecordAround(pos, end, start, &pos);
    if (RecordMatches(record, FAnchor.Proves) && !onMatch(record)) return pos;
    from = pos;
    boundary = TCharBoundary(FTextCoding, pos);
  }
  return end;
}

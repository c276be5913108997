#pragma once
// One search word, compiled for the chosen comparison, and its occurrences in
// a record. An occurrence always begins and ends on a character boundary. The
// search takes time linear in the record's length whatever the word.

#include "zsfind/byte_scanner.h"
#include "zsfind/char_fold.h"
#include "zsfind/hit_mask.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TWordPattern {
 public:
  // The word is in the coding of the text it is searched in; Shift-JIS words
  // must be whole characters (see IsUsableWord).
  TWordPattern(std::string_view word, TCompare compare, TCharCoding coding = TCharCoding::ShiftJis);

  // Chooses what the search looks for first from how often each byte occurs
  // in the text (counts[b] for byte b): a literal word, its rarest byte.
  void Tune(const std::vector<std::size_t>& counts);

  bool OccursIn(std::string_view record) const;
  // Calls onHit(begin, end) with the byte offsets of every occurrence,
  // overlapping ones included, in order, until it returns false.
  void ForEachHit(std::string_view record,
                  const std::function<bool(std::size_t, std::size_t)>& onHit) const;
  // Marks every occurrence in the mask (sized for the record).
  void MarkHits(std::string_view record, THitMask& mask) const;
  bool SameAs(const TWordPattern& other) const;

  const std::string& Bytes() const { return FWord; }
  const std::vector<std::uint32_t>& FoldedCodes() const { return FFolded; }
  TCompare Compare() const { return FMode; }
  // How the text's characters read.
  const TCharFold& Fold() const { return *FReading; }
  // The stretches of the word that a matching record holds byte for byte:
  // the whole word when comparing exactly; when folding, each run of
  // characters that have only the one encoding.
  std::vector<std::string_view> LiteralRuns() const;

 private:
  // Calls onHit(begin, end) per occurrence until it returns false.
  template <typename TOnHit>
  void Scan(std::string_view record, TOnHit onHit) const;
  template <typename TOnHit>
  void ScanBytes(std::string_view record, TOnHit onHit) const;
  template <typename TOnHit>
  void ScanBytesFrom(const unsigned char* from, std::string_view record, TCharBoundary& boundary,
                     TOnHit onHit) const;
  template <typename TOnHit>
  void ScanFolded(std::string_view record, TOnHit onHit) const;
  bool OccursFolded(std::string_view record) const;

  std::string FWord;
  const TCharFold* FReading;
  std::vector<std::uint32_t> FFolded;
  // Offsets of bytes in FWord: where a stretch begins and where it ends.
  struct TByteRange {
    std::size_t Begin;
    std::size_t End;
  };
  std::vector<TByteRange> FRuns;
  // Compared byte for byte: when exact, or when folding changes nothing.
  bool FLiteral = true;
  // Knuth-Morris-Pratt: the longest proper border of each prefix, over the
  // bytes when literal, over the folded codes otherwise.
  std::vector<std::size_t> FBorders;
  // Finds where an occurrence may start (FFinderOffset bytes before what it finds):
  // a literal word's rarest byte; when folding, the encodings of the
  // first character.
  std::optional<TByteScanner> FFinder;
  std::size_t FFinderOffset = 0;
  TCompare FMode;
};

// A Shift-JIS word can be searched when it is not empty, consists of whole
// characters and holds no line break (a record never does).
bool IsUsableWord(std::string_view word);

#pragma once
// The prefilter that lets the search skip over text which cannot hold a
// match: finds the next place where one of a few byte pairs stands (a first
// byte, and a second byte a given distance after it).

#include <cstddef>
#include <string>
#include <vector>

struct TBytePair {
  unsigned char First;
  std::size_t Distance;  // 0: the first byte alone (Second is then First)
  unsigned char Second;
};

class TByteScanner {
 public:
  // Up to this many pairs are compared in parallel (a kanji and its variant
  // forms, a kana in every width and kind); more are looked for a byte at a time.
  static constexpr std::size_t kMaxPairs = 8;

  // One pair or more.
  explicit TByteScanner(std::vector<TBytePair> pairs);

  // The first position p in [from, end) at which a pair stands whole
  // (p + Distance < end), or end.
  const unsigned char* Find(const unsigned char* from, const unsigned char* end) const;

 private:
  bool StandsAt(const unsigned char* p, const unsigned char* end) const;
  const unsigned char* FindScalar(const unsigned char* from, const unsigned char* end) const;
  const unsigned char* FindByte(const unsigned char* from, const unsigned char* end) const;
  const unsigned char* FindPair(const unsigned char* from, const unsigned char* end) const;
  const unsigned char* FindAny(const unsigned char* from, const unsigned char* end) const;

  std::vector<TBytePair> Pairs;
  std::size_t Reach = 0;  // the longest distance
};

// The pairs that find the forms (byte strings) where they begin: each form's
// first and last byte, without repeats.
std::vector<TBytePair> PairsOf(const std::vector<std::string>& forms);

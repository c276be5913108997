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

// The loops the scanner can run. Each finds the same positions; they differ
// in which pairs they take and how fast they go.
enum class TScanLoop {
  Scalar,       // any pairs, a byte at a time
  LibraryByte,  // one pair of distance 0, by the C library's memchr
  VectorByte,   // one pair of distance 0, 64 bytes a round
  VectorPair,   // one pair, 64 positions a round
  VectorAny,    // up to kMaxPairs pairs, 16 positions a round
};

class TByteScanner {
 public:
  // Up to this many pairs are compared in parallel (a kanji and its variant
  // forms, a kana in every width and kind); more are looked for a byte at a time.
  static constexpr std::size_t kMaxPairs = 8;

  // One pair or more, found by the fastest loop this build has for them.
  explicit TByteScanner(std::vector<TBytePair> pairs);
  // One pair or more, found by the given loop, which must take them.
  TByteScanner(std::vector<TBytePair> pairs, TScanLoop loop);

  // The first position p in [from, end) at which a pair stands whole
  // (p + Distance < end), or end.
  const unsigned char* Find(const unsigned char* from, const unsigned char* end) const;

 private:
  static TScanLoop FastestLoop(const std::vector<TBytePair>& pairs);
  bool StandsAt(const unsigned char* p, const unsigned char* end) const;
  const unsigned char* FindScalar(const unsigned char* from, const unsigned char* end) const;
  const unsigned char* FindByte(const unsigned char* from, const unsigned char* end) const;
  const unsigned char* FindPair(const unsigned char* from, const unsigned char* end) const;
  const unsigned char* FindAny(const unsigned char* from, const unsigned char* end) const;

  std::vector<TBytePair> FPairs;
  std::size_t FReach = 0;  // the longest distance
  TScanLoop FLoop;
};

// The pairs that find the forms (byte strings) where they begin: each form's
// first and last byte, without repeats.
std::vector<TBytePair> PairsOf(const std::vector<std::string>& forms);

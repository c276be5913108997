#pragma once
// Finds the next byte that belongs to a small set, or the next place where two
// given bytes stand a given distance apart: the prefilter that lets the search
// skip over text which cannot hold a match.

#include <array>
#include <cstddef>
#include <vector>

class TByteScanner {
 public:
  static constexpr std::size_t kMaxBytes = 16;

  // 1 to kMaxBytes distinct bytes.
  explicit TByteScanner(const std::vector<unsigned char>& bytes);
  // first, and second `distance` (> 0) bytes after it.
  TByteScanner(unsigned char first, std::size_t distance, unsigned char second);

  // The first position in [p, end) whose byte is in the set (or that holds
  // the pair), or end.
  const unsigned char* Find(const unsigned char* p, const unsigned char* end) const;

 private:
  const unsigned char* FindScalar(const unsigned char* p, const unsigned char* end) const;
  const unsigned char* FindVector(const unsigned char* p, const unsigned char* end) const;
  const unsigned char* FindPair(const unsigned char* p, const unsigned char* end) const;

  std::array<unsigned char, kMaxBytes> Set{};
  std::size_t Count;
  std::array<bool, 256> Member{};
  std::size_t Distance = 0;  // of the pair; 0 for a set
  unsigned char Second = 0;
};

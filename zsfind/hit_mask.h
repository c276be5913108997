#pragma once
// Which bytes of one record lie inside a hit: one bit a byte, so that a record
// full of overlapping hits costs an eighth of its size, not a list of hits.

#include <cstddef>
#include <cstdint>
#include <vector>

class THitMask {
 public:
  // A clear mask for a record of `size` bytes; the storage is kept for the next.
  void Reset(std::size_t size) {
    FWords.assign((size + kBits - 1) / kBits, 0);
    FBytes = size;
    FReach = 0;
  }
  // Marks [begin, end). The hits of one word come in order, and a byte that
  // an earlier hit of the word covered is not marked again, so marking takes
  // time linear in the record however the hits overlap.
  void Mark(std::size_t begin, std::size_t end) {
    for (std::size_t i = begin < FReach ? FReach : begin; i < end; ++i) {
      FWords[i / kBits] |= std::uint64_t{1} << (i % kBits);
    }
    if (end > FReach) FReach = end;
  }
  // The hits that follow belong to another word and start over.
  void NextWord() { FReach = 0; }

  std::size_t Size() const { return FBytes; }
  bool operator[](std::size_t i) const { return (FWords[i / kBits] >> (i % kBits)) & 1; }
  // The first byte after i (i < Size()) that is marked when i is not, or the
  // other way round; Size() when there is none.
  std::size_t NextChange(std::size_t i) const {
    const std::uint64_t flip = (*this)[i] ? ~std::uint64_t{0} : 0;
    std::size_t word = i / kBits;
    // The bits up to i are cleared, so that they do not count as a change.
    std::uint64_t changed = (FWords[word] ^ flip) & ~(~std::uint64_t{0} >> (kBits - 1 - i % kBits));
    while (changed == 0) {
      if (++word == FWords.size()) return FBytes;
      changed = FWords[word] ^ flip;
    }
    const std::size_t change = word * kBits + static_cast<std::size_t>(__builtin_ctzll(changed));
    return change < FBytes ? change : FBytes;
  }

 private:
  static constexpr std::size_t kBits = 64;
  std::vector<std::uint64_t> FWords;
  std::size_t FBytes = 0;
  std::size_t FReach = 0;
};

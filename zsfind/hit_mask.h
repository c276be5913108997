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
    Words.assign((size + kBits - 1) / kBits, 0);
    Bytes = size;
    Reach = 0;
  }
  // Marks [begin, end). The hits of one word come in order, and a byte that
  // an earlier hit of the word covered is not marked again, so marking takes
  // time linear in the record however the hits overlap.
  void Mark(std::size_t begin, std::size_t end) {
    for (std::size_t i = begin < Reach ? Reach : begin; i < end; ++i) {
      Words[i / kBits] |= std::uint64_t{1} << (i % kBits);
    }
    if (end > Reach) Reach = end;
  }
  // The hits that follow belong to another word and start over.
  void NextWord() { Reach = 0; }

  std::size_t Size() const { return Bytes; }
  bool operator[](std::size_t i) const { return (Words[i / kBits] >> (i % kBits)) & 1; }
  // The first byte after i (i < Size()) that is marked when i is not, or the
  // other way round; Size() when there is none.
  std::size_t NextChange(std::size_t i) const {
    const std::uint64_t flip = (*this)[i] ? ~std::uint64_t{0} : 0;
    std::size_t word = i / kBits;
    // The bits up to i are cleared, so that they do not count as a change.
    std::uint64_t changed = (Words[word] ^ flip) & ~(~std::uint64_t{0} >> (kBits - 1 - i % kBits));
    while (changed == 0) {
      if (++word == Words.size()) return Bytes;
      changed = Words[word] ^ flip;
    }
    const std::size_t change = word * kBits + static_cast<std::size_t>(__builtin_ctzll(changed));
    return change < Bytes ? change : Bytes;
  }

 private:
  static constexpr std::size_t kBits = 64;
  std::vector<std::uint64_t> Words;
  std::size_t Bytes = 0;
  std::size_t Reach = 0;
};

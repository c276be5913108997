#pragma once
// Which bytes of one record lie inside a hit: one bit a byte, so that a record
// full of overlapping hits costs an eighth of its size, not a list of hits.

#include <cstddef>
#include <vector>

class THitMask {
 public:
  // A clear mask for a record of `size` bytes; the storage is kept for the next.
  void Reset(std::size_t size) {
    Bits.assign(size, false);
    Reach = 0;
  }
  // Marks [begin, end). The hits of one word come in order, and a byte that
  // an earlier hit of the word covered is not marked again, so marking takes
  // time linear in the record however the hits overlap.
  void Mark(std::size_t begin, std::size_t end) {
    for (std::size_t i = begin < Reach ? Reach : begin; i < end; ++i) Bits[i] = true;
    if (end > Reach) Reach = end;
  }
  // The hits that follow belong to another word and start over.
  void NextWord() { Reach = 0; }

  std::size_t Size() const { return Bits.size(); }
  bool operator[](std::size_t i) const { return Bits[i]; }

 private:
  std::vector<bool> Bits;
  std::size_t Reach = 0;
};

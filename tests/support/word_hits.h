#pragma once
// The occurrences of a search word as a list, for the tests and the fuzzer to
// compare with the naive matcher's.

#include "zsfind/word_pattern.h"

#include <cstddef>
#include <string_view>
#include <vector>

// Byte offsets of one occurrence within a record.
struct THit {
  std::size_t Begin;
  std::size_t End;
};

// Appends every occurrence, overlapping ones included, in order.
inline void CollectHits(const TWordPattern& word, std::string_view record,
                        std::vector<THit>& hits) {
  word.ForEachHit(record, [&](std::size_t begin, std::size_t end) {
    hits.push_back({begin, end});
    return true;
  });
}

// Every loop of the byte scanner against a naive search, through one runner:
// for each kind of pattern, a needle at every position 0-130 of a body of
// decoys, padded with 0-515 bytes before or after, so that each loop meets
// the needle in its unrolled rounds, its single blocks, its overlapping last
// block and its byte-at-a-time start, and a needle cut off by the end.

#include "zsfind/byte_scanner.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using TLoop = std::optional<TScanLoop>;  // none: the loop the scanner picks

struct TKind {
  const char* Name;
  std::vector<TBytePair> Pairs;
  std::vector<TLoop> Loops;
};

constexpr std::size_t kBody = 131;
constexpr std::size_t kMaxPad = 515;

// Every padding up to a whole unrolled round (64 bytes), so the needle and
// the end meet the loops at every offset of their rounds and blocks; beyond
// it every 31st (a step prime to 16 and 64), and the longest. Every length up
// to 515 would take the sanitized build over a minute and find nothing more:
// the loops look at a length only modulo 16 and 64 and by its rounds.
std::vector<std::size_t> PadLengths() {
  std::vector<std::size_t> lengths;
  for (std::size_t n = 0; n < kMaxPad; n += n < 64 ? 1 : 31) lengths.push_back(n);
  lengths.push_back(kMaxPad);
  return lengths;
}

// The first position at which a pair stands whole, compared a byte at a time.
std::size_t NaiveFind(const std::string& text, std::size_t from,
                      const std::vector<TBytePair>& pairs) {
  for (std::size_t p = from; p < text.size(); ++p) {
    for (const TBytePair& pair : pairs) {
      if (p + pair.Distance < text.size() && static_cast<unsigned char>(text[p]) == pair.First &&
          static_cast<unsigned char>(text[p + pair.Distance]) == pair.Second) {
        return p;
      }
    }
  }
  return text.size();
}

// Bytes near the pairs' own (the high bit flipped, one off) with, every
// eleventh byte, a first byte of a pair whose second byte is missing.
std::string Decoys(std::size_t length, const std::vector<TBytePair>& pairs) {
  std::string alphabet = ".";
  for (const TBytePair& pair : pairs) {
    alphabet += static_cast<char>(pair.First ^ 0x80);
    alphabet += static_cast<char>(pair.First + 1);
    alphabet += static_cast<char>(pair.Second ^ 0x80);
  }
  std::string text;
  for (std::size_t i = 0; i < length; ++i) {
    const TBytePair& pair = pairs[i % pairs.size()];
    text += i % 11 == 10 && pair.Distance > 0 ? static_cast<char>(pair.First)
                                              : alphabet[i * 7 % alphabet.size()];
  }
  return text;
}

// Whether every loop of the kind finds in the text what the naive search
// finds: the first pair, and the next one after it.
bool EveryLoopFinds(const TKind& kind, const std::string& text, std::string& failure) {
  const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = begin + text.size();
  const std::size_t first = NaiveFind(text, 0, kind.Pairs);
  const std::size_t next = first < text.size() ? NaiveFind(text, first + 1, kind.Pairs) : first;
  for (const TLoop& loop : kind.Loops) {
    const TByteScanner scanner = loop ? TByteScanner(kind.Pairs, *loop) : TByteScanner(kind.Pairs);
    const auto found = static_cast<std::size_t>(scanner.Find(begin, end) - begin);
    const auto again = first < text.size()
                           ? static_cast<std::size_t>(scanner.Find(begin + first + 1, end) - begin)
                           : found;
    if (found != first || again != next) {
      failure = std::string("loop ") + (loop ? std::to_string(static_cast<int>(*loop)) : "picked") +
                " found " + std::to_string(found) + " then " + std::to_string(again) + ", not " +
                std::to_string(first) + " then " + std::to_string(next);
      return false;
    }
  }
  return true;
}

void RunKind(const TKind& kind) {
  const std::string decoys = Decoys(kBody + kMaxPad, kind.Pairs);
  ASSERT_EQ(NaiveFind(decoys, 0, kind.Pairs), decoys.size())
      << kind.Name << ": a decoy is a needle";
  std::string text;
  std::string failure;
  for (std::size_t at = 0; at < kBody; ++at) {
    std::string body = decoys.substr(0, kBody);
    const TBytePair& needle = kind.Pairs[at % kind.Pairs.size()];
    body[at] = static_cast<char>(needle.First);
    if (at + needle.Distance < kBody) body[at + needle.Distance] = static_cast<char>(needle.Second);
    for (const std::size_t pad : PadLengths()) {
      const std::string_view padding(decoys.data(), pad);
      text.assign(padding).append(body);
      if (!EveryLoopFinds(kind, text, failure)) {
        FAIL() << kind.Name << ", needle at " << at << " after " << pad << " bytes: " << failure;
      }
      text.assign(body).append(padding);
      if (!EveryLoopFinds(kind, text, failure)) {
        FAIL() << kind.Name << ", needle at " << at << " before " << pad << " bytes: " << failure;
      }
    }
  }
}

constexpr TScanLoop kScalar = TScanLoop::Scalar;
constexpr TScanLoop kLibraryByte = TScanLoop::LibraryByte;
constexpr TScanLoop kVectorByte = TScanLoop::VectorByte;
constexpr TScanLoop kVectorPair = TScanLoop::VectorPair;
constexpr TScanLoop kVectorAny = TScanLoop::VectorAny;

TEST(ByteScanner, EveryLoopFindsWhatTheNaiveSearchFinds) {
  const std::vector<TBytePair> most = {{0x88, 1, 0x9F}, {0x9F, 1, 0x88}, {'k', 0, 'k'},
                                       {0xE3, 2, 0x81}, {0xE3, 5, 0x82}, {0x8B, 1, 0x40},
                                       {0xFA, 1, 0x5C}, {0xEE, 3, 0xEF}};
  std::vector<TBytePair> tooMany = most;
  tooMany.push_back({'m', 1, 'n'});
  const std::vector<TKind> kinds = {
      {"one byte",
       {{'a', 0, 'a'}},
       {{}, kScalar, kLibraryByte, kVectorByte, kVectorPair, kVectorAny}},
      {"a byte above 0x7F", {{0x95, 0, 0x95}}, {{}, kLibraryByte, kVectorByte}},
      {"adjacent pair", {{0x83, 1, 0x5C}}, {{}, kVectorPair, kVectorAny}},
      {"pair apart", {{'x', 7, 0xE0}}, {{}, kVectorPair, kVectorAny}},
      {"pair further apart than a block", {{0x81, 40, 'y'}}, {{}, kVectorPair, kVectorAny}},
      {"a pair of one byte twice", {{'q', 3, 'q'}}, {{}, kVectorPair, kVectorAny}},
      {"three pairs, one a lone byte",
       {{0xB6, 0, 0xB6}, {0x83, 1, 0x4A}, {0x82, 1, 0xA9}},
       {{}, kVectorAny}},
      {"the most pairs compared at once", most, {{}, kVectorAny}},
      {"more pairs than are compared at once", tooMany, {{}, kScalar}},
  };
  ASSERT_EQ(most.size(), TByteScanner::kMaxPairs);
  for (const TKind& kind : kinds) RunKind(kind);
}

}  // namespace

// The record matcher against a deliberately naive reference (the one the
// tests share, tests/support/reference_match.h) on arbitrary bytes: which
// records of a block match one or two words, in both comparisons, and where
// each word occurs in them. Half of the byte values stand for pieces of
// Shift-JIS that make the traps likely (lone and invalid lead bytes, trail
// bytes that look like ASCII, half-width kana with voiced marks, characters
// code page 932 holds twice, both line ends); the other half stand for
// themselves. The block is searched as one chunk or as two cut at a line end,
// after tuning on any prefix.

#include "tests/support/reference_match.h"
#include "zsfind/record_matcher.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Written as bytes: the fuzz build's compiler keeps literals in UTF-8.
const char* const kPieces[] = {
    "a",        "A",        "\x82\x81", "\x82\x60", "\x83\x41", "\xB1",     "\x83\x61", "\xC1\xDE",
    "\x95\x5C", "\\",       "\x83\x5C", "\x81\x81", "\x81",     "\x83\x4B", "\xB6\xDE", "\xB6",
    "\xDE",     "\xDF",     "\xCA\xDF", "\x82\xA9", "1",        "\x82\x50", " ",        "\x8E",
    "R",        "\x8E\x52", "\xFA\x5C", "\xED\x40", "\x81\x5B", "\xB0",     "\x81\x26", "&",
    "\x88\x7F", "\x9F\x0D", "\xFC",     "\xEE\xF9", "\x81\xCA", "\r\n",     "\n",       "\r",
};
constexpr std::size_t kPieceCount = sizeof kPieces / sizeof kPieces[0];

std::string Expand(const std::string& bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x80) {
      text += kPieces[(b - 0x80) % kPieceCount];
    } else {
      text += c;
    }
  }
  return text;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

// Every hit of every word, as the reference finds them, marks its bytes; from
// each byte, the mask finds the next where marking changes.
bool SameMarks(std::string_view record, const std::vector<std::string>& words, TCompare compare,
               const THitMask& mask) {
  std::vector<bool> expected(record.size(), false);
  for (const std::string& word : words) {
    for (const THit& hit : reference::Occurrences(record, word, compare)) {
      for (std::size_t i = hit.Begin; i < hit.End; ++i) expected[i] = true;
    }
  }
  std::size_t change = record.size();
  for (std::size_t i = record.size(); i-- > 0;) {
    if (i + 1 < record.size() && expected[i + 1] != expected[i]) change = i + 1;
    if (mask[i] != expected[i] || mask.NextChange(i) != change) return false;
  }
  return mask.Size() == record.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const TCompare compare = input.ConsumeBool() ? TCompare::Exact : TCompare::Folded;
  std::vector<std::string> words = {Expand(input.ConsumeRandomLengthString(12))};
  if (input.ConsumeBool()) words.push_back(Expand(input.ConsumeRandomLengthString(12)));
  for (const std::string& word : words) {
    if (!IsUsableWord(word)) return 0;
  }
  const std::size_t sampleSize = input.ConsumeIntegral<std::uint16_t>();
  const std::size_t cutChoice = input.ConsumeIntegral<std::uint16_t>();
  const std::string database = Expand(input.ConsumeRemainingBytesAsString());

  std::vector<TWordPattern> patterns;
  for (const std::string& word : words) patterns.emplace_back(word, compare);
  TRecordMatcher matcher(patterns);
  matcher.Tune(std::string_view(database).substr(0, sampleSize));
  const auto* begin = reinterpret_cast<const unsigned char*>(database.data());
  const auto* end = begin + database.size();
  std::vector<const unsigned char*> lineStarts;
  for (const unsigned char* p = begin; p < end; ++p) {
    if (*p == '\n') lineStarts.push_back(p + 1);
  }
  const unsigned char* cut = lineStarts.empty() ? end : lineStarts[cutChoice % lineStarts.size()];
  std::vector<std::string_view> found;
  const auto collect = [&](std::string_view record) {
    found.push_back(record);
    return true;
  };
  matcher.ForEachMatch(begin, cut, collect);
  matcher.ForEachMatch(cut, end, collect);

  std::vector<std::string_view> expected;
  for (const std::string_view record : reference::Records(database)) {
    bool all = true;
    for (const std::string& word : words) {
      all = all && !reference::Occurrences(record, word, compare).empty();
    }
    if (all) expected.push_back(record);
  }
  Check(found == expected);

  THitMask mask;
  for (const std::string_view record : expected) {
    for (std::size_t i = 0; i < words.size(); ++i) {
      std::vector<THit> hits;
      patterns[i].CollectHits(record, hits);
      const std::vector<THit> reference = reference::Occurrences(record, words[i], compare);
      Check(hits.size() == reference.size());
      for (std::size_t k = 0; k < hits.size(); ++k) {
        Check(hits[k].Begin == reference[k].Begin && hits[k].End == reference[k].End);
      }
    }
    matcher.MarkHits(record, mask);
    Check(SameMarks(record, words, compare, mask));
  }
  return 0;
}

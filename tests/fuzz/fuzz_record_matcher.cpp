// The record matcher against a deliberately naive reference (the one the
// tests share, tests/support/reference_match.h) on arbitrary bytes: which
// records of a block match one or two words, in every comparison and in both
// codings a database is searched in, and where each word occurs in them. Half
// of the byte values stand for pieces of text that make the traps likely (in
// Shift-JIS: lone and invalid lead bytes, trail bytes that look like ASCII,
// half-width kana with voiced marks, characters code page 932 holds twice,
// old and variant kanji, hiragana and katakana; in UTF-8 also combining marks,
// kanji the code page lacks and bytes that are no UTF-8; both line ends); the
// other half stand for themselves. The block is searched as one chunk or as
// two cut at a line end, after tuning on any prefix.

#include "encoding/utf8.h"
#include "tests/support/reference_match.h"
#include "tests/support/word_hits.h"
#include "zsfind/record_matcher.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Written as bytes: the fuzz build's compiler keeps literals in UTF-8.
const char* const kShiftJisPieces[] = {
    "a",        "A",        "\x82\x81", "\x82\x60", "\x83\x41", "\xB1",     "\x83\x61", "\xC1\xDE",
    "\x95\x5C", "\\",       "\x83\x5C", "\x81\x81", "\x81",     "\x83\x4B", "\xB6\xDE", "\xB6",
    "\xDE",     "\xDF",     "\xCA\xDF", "\x82\xA9", "1",        "\x82\x50", " ",        "\x8E",
    "R",        "\x8E\x52", "\xFA\x5C", "\xED\x40", "\x81\x5B", "\xB0",     "\x81\x26", "&",
    "\x88\x7F", "\x9F\x0D", "\xFC",     "\xEE\xF9", "\x81\xCA", "\r\n",     "\n",       "\r",
    "\x8D\x91", "\x9A\xA0", "\x82\xAA", "\x82\x9F", "\x83\x40", "\x81\x54", "\x81\x52",
};
const char* const kUtf8Pieces[] = {
    "a",
    "A",
    "\xEF\xBC\xA1",
    "\xEF\xBD\x81",
    "\xE3\x82\xA2",
    "\xEF\xBD\xB1",
    "\xEF\xBD\xB6",
    "\xEF\xBE\x9E",
    "\xE3\x81\x8B",
    "\xE3\x82\x99",
    "\xE3\x82\xAB",
    "\xE3\x82\xAC",
    "\xE3\x81\x8C",
    "\xE9\xB4\x8E",
    "\xE9\xB7\x97",
    "\xE3\x80\x9C",
    "\xEF\xBD\x9E",
    "\xE5\x9B\xBD",
    "\xE5\x9C\x8B",
    "\xE3\x81",
    "\x80",
    "\xF0\x9F\x98\x80",
    "\xE3\x83\xBC",
    "\xE3\x82\x9B",
    "\\",
    "1",
    " ",
    "\r\n",
    "\n",
    "\r",
};

struct TPieces {
  const char* const* Pieces;
  std::size_t Count;
};

std::string Expand(const std::string& bytes, const TPieces& pieces) {
  std::string text;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x80) {
      text += pieces.Pieces[(b - 0x80) % pieces.Count];
    } else {
      text += c;
    }
  }
  return text;
}

bool IsUsable(const std::string& word, TCharCoding coding) {
  if (coding == TCharCoding::ShiftJis) return IsUsableWord(word);
  const auto* p = reinterpret_cast<const unsigned char*>(word.data());
  return !word.empty() && word.find_first_of("\r\n") == std::string::npos &&
         CountInvalidUtf8(p, p + word.size(), false) == 0;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

// Every hit of every word, as the reference finds them, marks its bytes; from
// each byte, the mask finds the next where marking changes.
bool SameMarks(std::string_view record, const std::vector<std::string>& words, TCompare compare,
               TCharCoding coding, const THitMask& mask) {
  std::vector<bool> expected(record.size(), false);
  for (const std::string& word : words) {
    for (const THit& hit : reference::Occurrences(record, word, compare, coding)) {
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
  const TCompare compare =
      input.PickValueInArray({TCompare::Exact, TCompare::Folded, TCompare::FoldedKana});
  const TCharCoding coding = input.ConsumeBool() ? TCharCoding::Utf8 : TCharCoding::ShiftJis;
  const TPieces pieces = coding == TCharCoding::Utf8
                             ? TPieces{kUtf8Pieces, std::size(kUtf8Pieces)}
                             : TPieces{kShiftJisPieces, std::size(kShiftJisPieces)};
  std::vector<std::string> words = {Expand(input.ConsumeRandomLengthString(12), pieces)};
  if (input.ConsumeBool()) words.push_back(Expand(input.ConsumeRandomLengthString(12), pieces));
  for (const std::string& word : words) {
    if (!IsUsable(word, coding)) return 0;
  }
  const std::size_t sampleSize = input.ConsumeIntegral<std::uint16_t>();
  const std::size_t cutChoice = input.ConsumeIntegral<std::uint16_t>();
  const std::string database = Expand(input.ConsumeRemainingBytesAsString(), pieces);

  std::vector<TWordPattern> patterns;
  for (const std::string& word : words) patterns.emplace_back(word, compare, coding);
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
      all = all && !reference::Occurrences(record, word, compare, coding).empty();
    }
    if (all) expected.push_back(record);
  }
  Check(found == expected);

  THitMask mask;
  for (const std::string_view record : expected) {
    for (std::size_t i = 0; i < words.size(); ++i) {
      std::vector<THit> hits;
      CollectHits(patterns[i], record, hits);
      const std::vector<THit> reference = reference::Occurrences(record, words[i], compare, coding);
      Check(hits.size() == reference.size());
      for (std::size_t k = 0; k < hits.size(); ++k) {
        Check(hits[k].Begin == reference[k].Begin && hits[k].End == reference[k].End);
      }
    }
    matcher.MarkHits(record, mask);
    Check(SameMarks(record, words, compare, coding, mask));
  }
  return 0;
}

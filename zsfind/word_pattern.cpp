#include "zsfind/word_pattern.h"

#include "encoding/shift_jis.h"

#include <algorithm>
#include <cstring>

namespace {

const unsigned char* Unsigned(std::string_view s) {
  return reinterpret_cast<const unsigned char*>(s.data());
}

// The step of Knuth-Morris-Pratt: how much of `word` is matched after
// `symbol`, when `matched` of it was before; borders[i] is the longest proper
// border of the word's first i + 1 symbols (as far as `matched` needs it).
template <typename TSequence, typename TSymbol>
std::size_t MatchedAfter(const TSequence& word, const std::vector<std::size_t>& borders,
                         std::size_t matched, TSymbol symbol) {
  while (matched > 0 && symbol != word[matched]) matched = borders[matched - 1];
  return symbol == word[matched] ? matched + 1 : matched;
}

// The Knuth-Morris-Pratt table of a sequence: for each prefix, the length of
// its longest proper prefix that is also its suffix.
template <typename TSequence>
std::vector<std::size_t> BordersOf(const TSequence& s) {
  std::vector<std::size_t> borders(s.size(), 0);
  std::size_t k = 0;
  for (std::size_t i = 1; i < s.size(); ++i) {
    k = MatchedAfter(s, borders, k, s[i]);
    borders[i] = k;
  }
  return borders;
}

}  // namespace

bool IsUsableWord(std::string_view word) {
  return !word.empty() && word.find_first_of("\r\n") == std::string_view::npos &&
         IsWholeCharacters(Unsigned(word), Unsigned(word) + word.size());
}

TWordPattern::TWordPattern(std::string_view word, TCompare compare, TCharCoding coding)
    : FWord(word), FReading(&TCharFold::Of(coding, compare)), FMode(compare) {
  const unsigned char* begin = Unsigned(word);
  const unsigned char* end = begin + word.size();
  for (const unsigned char* p = begin; p < end;) {
    const TFoldedChar c = FReading->Read(p, end);
    FFolded.push_back(c.Code);
    const auto at = static_cast<std::size_t>(p - begin);
    p += c.Length;
    if (compare != TCompare::Exact && !FReading->IsLiteral(c.Code)) {
      FLiteral = false;
    } else if (!FRuns.empty() && FRuns.back().End == at) {
      FRuns.back().End += c.Length;
    } else {
      FRuns.push_back({at, at + c.Length});
    }
  }
  FBorders = FLiteral ? BordersOf(FWord) : BordersOf(FFolded);
  if (FLiteral) {
    Tune(std::vector<std::size_t>(256, 0));
    return;
  }
  FFinder.emplace(PairsOf(FReading->EncodingsOf(FFolded[0])));
}

void TWordPattern::Tune(const std::vector<std::size_t>& counts) {
  if (!FLiteral) return;
  // The rarest of the first bytes, found with memchr: records are short, and
  // it is quickest where there is little to scan.
  constexpr std::size_t kSpan = 32;
  std::size_t rarest = 0;
  for (std::size_t i = 1; i < std::min(FWord.size(), kSpan); ++i) {
    if (counts[static_cast<unsigned char>(FWord[i])] <
        counts[static_cast<unsigned char>(FWord[rarest])]) {
      rarest = i;
    }
  }
  const auto b = static_cast<unsigned char>(FWord[rarest]);
  FFinder.emplace(std::vector<TBytePair>{{b, 0, b}});
  FFinderOffset = rarest;
}

std::vector<std::string_view> TWordPattern::LiteralRuns() const {
  std::vector<std::string_view> runs;
  for (const TByteRange& run : FRuns) {
    runs.push_back(std::string_view(FWord).substr(run.Begin, run.End - run.Begin));
  }
  return runs;
}

bool TWordPattern::SameAs(const TWordPattern& other) const {
  return FMode == TCompare::Exact ? FWord == other.FWord : FFolded == other.FFolded;
}

bool TWordPattern::OccursIn(std::string_view record) const {
  if (!FLiteral) return OccursFolded(record);
  bool found = false;
  Scan(record, [&](std::size_t, std::size_t) {
    found = true;
    return false;
  });
  return found;
}

void TWordPattern::ForEachHit(std::string_view record,
                              const std::function<bool(std::size_t, std::size_t)>& onHit) const {
  Scan(record, onHit);
}

void TWordPattern::MarkHits(std::string_view record, THitMask& mask) const {
  mask.NextWord();
  ForEachHit(record, [&](std::size_t begin, std::size_t end) {
    mask.Mark(begin, end);
    return true;
  });
}

template <typename TOnHit>
void TWordPattern::Scan(std::string_view record, TOnHit onHit) const {
  if (FLiteral) {
    ScanBytes(record, onHit);
  } else {
    ScanFolded(record, onHit);
  }
}

// The bytes may match from the trail byte of a double-byte character (a 0x5C
// in 表); only a match that starts on a boundary is an occurrence. Where the
// word's rarest byte stands, the word is compared in full, until that has cost
// as much as reading the record a few times over; Knuth-Morris-Pratt, linear
// whatever the text, then searches the rest.
template <typename TOnHit>
void TWordPattern::ScanBytes(std::string_view record, TOnHit onHit) const {
  const std::size_t length = FWord.size();
  if (record.size() < length) return;
  const unsigned char* begin = Unsigned(record);
  const unsigned char* end = begin + record.size();
  const unsigned char* last = end - length;  // where the last occurrence could start
  TCharBoundary boundary(FReading->Coding(), begin);
  std::size_t budget = 4 * record.size() + 64;
  for (const unsigned char* from = begin; from <= last;) {
    if (budget < length) return ScanBytesFrom(from, record, boundary, onHit);
    const unsigned char* hit = FFinder->Find(from + FFinderOffset, end);
    if (hit == end || hit - FFinderOffset > last) return;
    const unsigned char* start = hit - FFinderOffset;
    budget -= length;
    if (std::memcmp(start, FWord.data(), length) == 0 && boundary.IsBoundary(start) &&
        !onHit(static_cast<std::size_t>(start - begin),
               static_cast<std::size_t>(start + length - begin))) {
      return;
    }
    from = start + 1;
  }
}

// Knuth-Morris-Pratt over the bytes from `from` on, skipping with memchr
// while nothing is matched.
template <typename TOnHit>
void TWordPattern::ScanBytesFrom(const unsigned char* from, std::string_view record,
                                 TCharBoundary& boundary, TOnHit onHit) const {
  const unsigned char* begin = Unsigned(record);
  const unsigned char* end = begin + record.size();
  const unsigned char* word = Unsigned(FWord);
  const std::size_t length = FWord.size();
  std::size_t matched = 0;
  for (const unsigned char* p = from; p < end; ++p) {
    if (matched == 0) {
      p = static_cast<const unsigned char*>(
          std::memchr(p, word[0], static_cast<std::size_t>(end - p)));
      if (!p) return;
    }
    matched = MatchedAfter(word, FBorders, matched, *p);
    if (matched < length) continue;
    const unsigned char* start = p + 1 - length;
    if (boundary.IsBoundary(start) &&
        !onHit(static_cast<std::size_t>(start - begin), static_cast<std::size_t>(p + 1 - begin))) {
      return;
    }
    matched = FBorders[length - 1];
  }
}

// Knuth-Morris-Pratt over the folded characters. Where an occurrence begins
// is found only when one ends: a second reader follows behind, never moving
// back, so the record is read at most twice.
template <typename TOnHit>
void TWordPattern::ScanFolded(std::string_view record, TOnHit onHit) const {
  const unsigned char* begin = Unsigned(record);
  const unsigned char* end = begin + record.size();
  const std::size_t length = FFolded.size();
  const unsigned char* behind = begin;
  std::size_t behindIndex = 0;
  std::size_t matched = 0;
  std::size_t index = 0;  // of the character at p
  for (const unsigned char* p = begin; p < end; ++index) {
    const TFoldedChar c = FReading->Read(p, end);
    p += c.Length;
    matched = MatchedAfter(FFolded, FBorders, matched, c.Code);
    if (matched < length) continue;
    for (; behindIndex + length < index + 1; ++behindIndex) {
      behind += FReading->Read(behind, end).Length;
    }
    if (!onHit(static_cast<std::size_t>(behind - begin), static_cast<std::size_t>(p - begin))) {
      return;
    }
    matched = FBorders[length - 1];
  }
}

// As ScanFolded, but where nothing is matched the search jumps to the next
// encoding of the first character that begins a character: a position after
// which the folded reading may start again. (A byte begins a folded character
// when it begins a character, unless it is the mark that the half-width kana
// before it takes into one character.)
// A near-copy of ScanFolded kept for speed: every candidate record goes through it.
bool TWordPattern::OccursFolded(std::string_view record) const {
  const unsigned char* begin = Unsigned(record);
  const unsigned char* end = begin + record.size();
  const std::size_t length = FFolded.size();
  TCharBoundary boundary(FReading->Coding(), begin);
  std::size_t matched = 0;
  for (const unsigned char* p = begin; p < end;) {
    if (matched == 0) {
      p = FFinder->Find(p, end);
      if (p == end) return false;
      if (!FReading->BeginsFoldedChar(begin, p, end, boundary)) {
        ++p;
        continue;
      }
    }
    const TFoldedChar c = FReading->Read(p, end);
    p += c.Length;
    matched = MatchedAfter(FFolded, FBorders, matched, c.Code);
    if (matched == length) return true;
  }
  return false;
}

#include "zsfind/record_matcher.h"

#include "zsfind/char_fold.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

const unsigned char* LastNewline(const unsigned char* begin, const unsigned char* p) {
#if defined(__GLIBC__)
  return static_cast<const unsigned char*>(
      memrchr(begin, '\n', static_cast<std::size_t>(p - begin)));
#else
  while (p > begin) {
    if (*--p == '\n') return p;
  }
  return nullptr;
#endif
}

// How often the bytes occur in the sample, wherever they start.
std::size_t Occurrences(std::string_view sample, std::string_view bytes) {
  std::size_t n = 0;
  for (auto at = sample.find(bytes); at != std::string_view::npos;
       at = sample.find(bytes, at + 1)) {
    ++n;
  }
  return n;
}

// A candidate's record costs about this many stops of the scanner to compare.
constexpr double kRecordCost = 3;

double Count(const std::vector<std::size_t>& counts, unsigned char b) {
  return static_cast<double>(counts[b]);
}

// Scanning for a pair reads the text twice over with narrower steps than a
// search for one byte: about this many stops' worth of work per byte scanned.
constexpr double kPairScanCost = 1.0 / 300;

// How often two bytes would meet by chance at a given distance.
double ChancePairs(const std::vector<std::size_t>& counts, unsigned char a, unsigned char b,
                   std::size_t sampleSize) {
  return Count(counts, a) * Count(counts, b) / static_cast<double>(sampleSize + 1);
}

}  // namespace

std::string_view RecordAround(const unsigned char* begin, const unsigned char* end,
                              const unsigned char* p, const unsigned char** next) {
  const unsigned char* newline = LastNewline(begin, p);
  const unsigned char* first = newline ? newline + 1 : begin;
  const void* found = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
  const unsigned char* last = found ? static_cast<const unsigned char*>(found) : end;
  *next = found ? last + 1 : end;
  if (last > first && last[-1] == '\r') --last;
  return {reinterpret_cast<const char*>(first), static_cast<std::size_t>(last - first)};
}

TRecordMatcher::TRecordMatcher(std::vector<TWordPattern> words) : Patterns(std::move(words)) {
  if (Patterns.size() == 2 && Patterns[0].SameAs(Patterns[1])) Patterns.pop_back();
  Tune({});
}

void TRecordMatcher::Tune(std::string_view sample) {
  std::vector<std::size_t> counts(256, 0);
  for (const char c : sample) ++counts[static_cast<unsigned char>(c)];
  // The anchor with the least expected work on text like the sample: every
  // stop of the scanner costs a little, every record compared a little more.
  // The +1 in the costs prefers fewer bytes among those the sample never showed.
  Anchor = {};
  Anchor.Cost = std::numeric_limits<double>::max();
  for (const TWordPattern& word : Patterns) {
    if (word.Compare() == TCompare::Exact) {
      TAnchor candidate = ExactAnchor(word.Bytes(), sample, counts);
      if (candidate.Cost < Anchor.Cost) Anchor = std::move(candidate);
      continue;
    }
    for (const std::uint16_t code : word.FoldedCodes()) {
      TAnchor candidate = FoldedAnchor(code, sample, counts);
      if (candidate.Cost < Anchor.Cost) Anchor = std::move(candidate);
    }
  }
  if (Anchor.Bytes.empty()) Anchor = {{'\n'}, 0, {}, 0};  // no usable anchor: every record
  Scanner = Anchor.PairDistance ? std::make_unique<TByteScanner>(
                                      Anchor.Bytes[0], Anchor.PairDistance, Anchor.Bytes[1])
                                : std::make_unique<TByteScanner>(Anchor.Bytes);
}

// The word's two rarest bytes as a pair, or its only byte.
TRecordMatcher::TAnchor TRecordMatcher::ExactAnchor(const std::string& word,
                                                    std::string_view sample,
                                                    const std::vector<std::size_t>& counts) const {
  std::vector<std::size_t> order(word.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(word[i]); };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return counts[byteAt(a)] < counts[byteAt(b)];
  });
  const double records = kRecordCost * static_cast<double>(Occurrences(sample, word));
  TAnchor anchor;
  if (word.size() == 1) {
    anchor.Bytes = {byteAt(0)};
    anchor.Forms = {{word, 0}};
    anchor.Cost = Count(counts, byteAt(0)) + 1 + records;
    return anchor;
  }
  const std::size_t first = std::min(order[0], order[1]);
  const std::size_t second = std::max(order[0], order[1]);
  const double pairCost = ChancePairs(counts, byteAt(first), byteAt(second), sample.size()) +
                          kPairScanCost * static_cast<double>(sample.size());
  if (Count(counts, byteAt(order[0])) <= pairCost) {
    anchor.Bytes = {byteAt(order[0])};
    anchor.Forms = {{word, order[0]}};
    anchor.Cost = Count(counts, byteAt(order[0])) + 1 + records;
    return anchor;
  }
  anchor.Bytes = {byteAt(first), byteAt(second)};
  anchor.PairDistance = second - first;
  anchor.Forms = {{word, first}};
  anchor.Cost = pairCost + 1 + records;
  return anchor;
}

// Every encoding of one character: as a pair when it has just one of two
// bytes, else each encoding found by its rarer byte.
TRecordMatcher::TAnchor TRecordMatcher::FoldedAnchor(std::uint16_t code, std::string_view sample,
                                                     const std::vector<std::size_t>& counts) const {
  const std::vector<TEncoding> encodings = EncodingsOf(code);
  TAnchor anchor;
  if (encodings.size() == 1 && encodings[0].Length == 2) {
    const TEncoding& e = encodings[0];
    const std::string form(reinterpret_cast<const char*>(e.Bytes), 2);
    anchor.Bytes = {e.Bytes[0], e.Bytes[1]};
    anchor.PairDistance = 1;
    anchor.Forms = {{form, 0}};
    anchor.Cost = ChancePairs(counts, e.Bytes[0], e.Bytes[1], sample.size()) +
                  kPairScanCost * static_cast<double>(sample.size()) + 1 +
                  kRecordCost * static_cast<double>(Occurrences(sample, form));
    return anchor;
  }
  std::array<bool, 256> chosen{};
  for (const TEncoding& e : encodings) {
    const std::size_t offset = e.Length == 2 && counts[e.Bytes[1]] < counts[e.Bytes[0]] ? 1 : 0;
    const unsigned char b = e.Bytes[offset];
    const std::string form(reinterpret_cast<const char*>(e.Bytes), e.Length);
    anchor.Cost += kRecordCost * static_cast<double>(Occurrences(sample, form));
    anchor.Forms.push_back({form, offset});
    if (chosen[b]) continue;
    chosen[b] = true;
    anchor.Bytes.push_back(b);
    anchor.Cost += Count(counts, b) + 1;
  }
  if (anchor.Bytes.size() > TByteScanner::kMaxBytes) {
    anchor.Cost = std::numeric_limits<double>::max();
  }
  return anchor;
}

bool TRecordMatcher::PassesQuickCheck(const unsigned char* hit, const unsigned char* begin,
                                      const unsigned char* end) const {
  if (Anchor.Forms.empty()) return true;
  for (const TAnchorForm& form : Anchor.Forms) {
    if (static_cast<unsigned char>(form.Bytes[form.Offset]) != *hit ||
        static_cast<std::size_t>(hit - begin) < form.Offset) {
      continue;
    }
    const unsigned char* start = hit - form.Offset;
    if (static_cast<std::size_t>(end - start) >= form.Bytes.size() &&
        std::memcmp(start, form.Bytes.data(), form.Bytes.size()) == 0) {
      return true;
    }
  }
  return false;
}

bool TRecordMatcher::RecordMatches(std::string_view record) const {
  return std::all_of(Patterns.begin(), Patterns.end(),
                     [&](const TWordPattern& w) { return w.OccursIn(record); });
}

std::vector<THit> TRecordMatcher::Highlights(std::string_view record) const {
  std::vector<THit> hits;
  for (const TWordPattern& word : Patterns) word.CollectHits(record, hits);
  std::sort(hits.begin(), hits.end(),
            [](const THit& a, const THit& b) { return a.Begin < b.Begin; });
  std::vector<THit> merged;
  for (const THit& h : hits) {
    if (!merged.empty() && h.Begin <= merged.back().End) {
      merged.back().End = std::max(merged.back().End, h.End);
    } else {
      merged.push_back(h);
    }
  }
  return merged;
}

#include "zsfind/record_matcher.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// A literal anchor's form is at most this long, and its pair lies within it:
// checking a candidate costs a bounded number of bytes.
constexpr std::size_t kMaxForm = 32;
// Of a form's bytes, pairs are made from this many of the rarest.
constexpr std::size_t kRarest = 4;
// The anchors are tried on at most this much of the sample, and at most this
// many of them.
constexpr std::size_t kTrialBytes = 256 * 1024;
constexpr std::size_t kTried = 8;

// Relative costs, in units of one stop of the scanner (as measured on a large
// bibliography): a record whose form matched is compared in full; every byte
// scanned costs little, what reading it from memory costs, whether one byte
// or one pair is looked for, and more where several pairs are compared at once.
constexpr double kRecordCost = 3;
constexpr double kByteCost = 1.0 / 400;
constexpr double kBytePerPair = 1.0 / 200;

double Count(const std::vector<std::size_t>& counts, char c) {
  return static_cast<double>(counts[static_cast<unsigned char>(c)]);
}

// How often two bytes would meet by chance at a given place: a first guess,
// low for the bytes of one character, which the trial then corrects.
double ChancePairs(double first, double second, const std::vector<std::size_t>& counts) {
  double total = 1;
  for (const std::size_t n : counts) total += static_cast<double>(n);
  return first * second / total;
}

}  // namespace

const unsigned char* LastNewline(const unsigned char* begin, const unsigned char* end) {
#if defined(__GLIBC__)
  return static_cast<const unsigned char*>(
      memrchr(begin, '\n', static_cast<std::size_t>(end - begin)));
#else
  while (end > begin) {
    if (*--end == '\n') return end;
  }
  return nullptr;
#endif
}

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

TRecordMatcher::TRecordMatcher(std::vector<TWordPattern> words)
    : FPatterns(std::move(words)),
      FTextCoding(FPatterns.front().Fold().Coding()),
      FScanner({{'\n', 0, '\n'}}) {
  if (FPatterns.size() == 2 && FPatterns[0].SameAs(FPatterns[1])) FPatterns.pop_back();
  Tune({});
}

void TRecordMatcher::Tune(std::string_view sample) {
  sample = sample.substr(0, kTrialBytes);
  std::vector<std::size_t> counts(256, 0);
  for (const char c : sample) ++counts[static_cast<unsigned char>(c)];
  std::vector<TAnchor> candidates;
  for (std::size_t i = 0; i < FPatterns.size(); ++i) {
    TWordPattern& word = FPatterns[i];
    word.Tune(counts);
    for (const std::string_view run : word.LiteralRuns()) {
      AddLiteralAnchors(run, word.Bytes().size() <= kMaxForm && run == word.Bytes() ? i : kNone,
                        counts, candidates);
    }
    if (word.Compare() == TCompare::Exact) continue;
    std::vector<std::uint32_t> codes = word.FoldedCodes();
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    for (const std::uint32_t code : codes) {
      if (!word.Fold().IsLiteral(code)) {
        AddCharAnchor(word.Fold().EncodingsOf(code), counts, candidates);
      }
    }
  }
  // Every character is in a literal run or a character anchor, so there is
  // always a candidate. Only the few that the byte counts favour are tried
  // on the sample, so choosing costs the same however long the words are.
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const TAnchor& a, const TAnchor& b) { return a.Guess < b.Guess; });
  candidates.resize(std::min(candidates.size(), kTried));
  double best = std::numeric_limits<double>::max();
  for (TAnchor& candidate : candidates) {
    const double cost = Cost(candidate, sample, best);
    if (cost < best) {
      best = cost;
      FAnchor = std::move(candidate);
    }
  }
  FScanner = TByteScanner(FAnchor.Pairs);
}

// The run's first kMaxForm bytes: each of its rarest bytes alone, and each
// pair of them.
void TRecordMatcher::AddLiteralAnchors(std::string_view run, std::size_t proves,
                                       const std::vector<std::size_t>& counts,
                                       std::vector<TAnchor>& candidates) {
  const std::string form(run.substr(0, kMaxForm));
  const auto count = [&](std::size_t i) { return Count(counts, form[i]); };
  std::vector<std::size_t> order(form.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return count(a) < count(b); });
  order.resize(std::min(order.size(), kRarest));
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(form[i]); };
  for (std::size_t a = 0; a < order.size(); ++a) {
    candidates.push_back(
        {{{byteAt(order[a]), 0, byteAt(order[a])}}, {form}, order[a], proves, count(order[a])});
    for (std::size_t b = a + 1; b < order.size(); ++b) {
      const std::size_t first = std::min(order[a], order[b]);
      const std::size_t second = std::max(order[a], order[b]);
      candidates.push_back({{{byteAt(first), second - first, byteAt(second)}},
                            {form},
                            first,
                            proves,
                            ChancePairs(count(first), count(second), counts)});
    }
  }
}

// Every encoding of one character, each found by its first and last byte.
void TRecordMatcher::AddCharAnchor(const std::vector<std::string>& encodings,
                                   const std::vector<std::size_t>& counts,
                                   std::vector<TAnchor>& candidates) {
  TAnchor anchor;
  anchor.Forms = encodings;
  anchor.Pairs = PairsOf(encodings);
  for (const TBytePair& pair : anchor.Pairs) {
    const double first = Count(counts, static_cast<char>(pair.First));
    anchor.Guess += pair.Distance == 0
                        ? first
                        : ChancePairs(first, Count(counts, static_cast<char>(pair.Second)), counts);
  }
  candidates.push_back(std::move(anchor));
}

// The expected work on text like the sample, counted until it passes `limit`.
double TRecordMatcher::Cost(const TAnchor& anchor, std::string_view sample, double limit) {
  const auto* begin = reinterpret_cast<const unsigned char*>(sample.data());
  const auto* end = begin + sample.size();
  const TByteScanner scanner(anchor.Pairs);
  const std::size_t pairs = anchor.Pairs.size();
  double cost = static_cast<double>(sample.size()) *
                (pairs == 1 ? kByteCost : kBytePerPair * static_cast<double>(pairs));
  for (const unsigned char* hit = scanner.Find(begin, end); hit != end && cost < limit;
       hit = scanner.Find(hit + 1, end)) {
    cost += FormStart(anchor, hit, begin, end) ? 1 + kRecordCost : 1;
  }
  return cost;
}

const unsigned char* TRecordMatcher::FormStart(const TAnchor& anchor, const unsigned char* hit,
                                               const unsigned char* begin,
                                               const unsigned char* end) {
  if (static_cast<std::size_t>(hit - begin) < anchor.Offset) return nullptr;
  const unsigned char* start = hit - anchor.Offset;
  for (const std::string& form : anchor.Forms) {
    if (static_cast<std::size_t>(end - start) >= form.size() &&
        std::memcmp(start, form.data(), form.size()) == 0) {
      return start;
    }
  }
  return nullptr;
}

bool TRecordMatcher::RecordMatches(std::string_view record, std::size_t proven) const {
  for (std::size_t i = 0; i < FPatterns.size(); ++i) {
    if (i != proven && !FPatterns[i].OccursIn(record)) return false;
  }
  return true;
}

void TRecordMatcher::MarkHits(std::string_view record, THitMask& mask) const {
  mask.Reset(record.size());
  for (const TWordPattern& word : FPatterns) word.MarkHits(record, mask);
}

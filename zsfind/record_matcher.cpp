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
  Anchor = BestAnchor(counts);
  Scanner = std::make_unique<TByteScanner>(Anchor.Bytes);
}

TRecordMatcher::TAnchor TRecordMatcher::BestAnchor(const std::vector<std::size_t>& counts) const {
  // The +1 prefers fewer bytes among those the sample never showed.
  const auto cost = [&](unsigned char b) { return static_cast<double>(counts[b]) + 1; };
  TAnchor best;
  best.Cost = std::numeric_limits<double>::max();
  for (const TWordPattern& word : Patterns) {
    if (word.Compare() == TCompare::Exact) {
      for (std::size_t i = 0; i < word.Bytes().size(); ++i) {
        const auto b = static_cast<unsigned char>(word.Bytes()[i]);
        if (cost(b) < best.Cost) best = {{b}, {{word.Bytes(), i}}, cost(b)};
      }
      continue;
    }
    // Folded: any encoding of one character of the word, each found by its
    // rarer byte.
    for (const std::uint16_t code : word.FoldedCodes()) {
      std::array<bool, 256> chosen{};
      TAnchor candidate;
      for (const TEncoding& e : EncodingsOf(code)) {
        const std::size_t offset = e.Length == 2 && cost(e.Bytes[1]) < cost(e.Bytes[0]) ? 1 : 0;
        const unsigned char b = e.Bytes[offset];
        candidate.Forms.push_back(
            {std::string(reinterpret_cast<const char*>(e.Bytes), e.Length), offset});
        if (chosen[b]) continue;
        chosen[b] = true;
        candidate.Bytes.push_back(b);
        candidate.Cost += cost(b);
      }
      if (candidate.Bytes.size() <= TByteScanner::kMaxBytes && candidate.Cost < best.Cost) {
        best = candidate;
      }
    }
  }
  return best;
}

bool TRecordMatcher::PassesQuickCheck(const unsigned char* hit, const unsigned char* begin,
                                      const unsigned char* end) const {
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

#include "zsfind/byte_scanner.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

TByteScanner::TByteScanner(std::vector<TBytePair> pairs)
    : TByteScanner(pairs, FastestLoop(pairs)) {}

TByteScanner::TByteScanner(std::vector<TBytePair> pairs, TScanLoop loop)
    : FPairs(std::move(pairs)), FLoop(loop) {
  for (const TBytePair& pair : FPairs) FReach = std::max(FReach, pair.Distance);
}

TScanLoop TByteScanner::FastestLoop(const std::vector<TBytePair>& pairs) {
  if (pairs.size() > kMaxPairs) return TScanLoop::Scalar;
  if (pairs.size() > 1) return TScanLoop::VectorAny;
  if (pairs[0].Distance > 0) return TScanLoop::VectorPair;
#if defined(__GLIBC__) || !defined(__SSE2__)
  // glibc's memchr is vectorised as wide as the processor allows.
  return TScanLoop::LibraryByte;
#else
  return TScanLoop::VectorByte;
#endif
}

std::vector<TBytePair> PairsOf(const std::vector<std::string>& forms) {
  std::vector<TBytePair> pairs;
  for (const std::string& form : forms) {
    const TBytePair pair{static_cast<unsigned char>(form.front()), form.size() - 1,
                         static_cast<unsigned char>(form.back())};
    const bool known = std::any_of(pairs.begin(), pairs.end(), [&](const TBytePair& p) {
      return p.First == pair.First && p.Distance == pair.Distance && p.Second == pair.Second;
    });
    if (!known) pairs.push_back(pair);
  }
  return pairs;
}

const unsigned char* TByteScanner::Find(const unsigned char* from, const unsigned char* end) const {
  if (from >= end) return end;
  switch (FLoop) {
    case TScanLoop::Scalar:
      return FindScalar(from, end);
    case TScanLoop::LibraryByte: {
      const void* hit = std::memchr(from, FPairs[0].First, static_cast<std::size_t>(end - from));
      return hit ? static_cast<const unsigned char*>(hit) : end;
    }
    case TScanLoop::VectorByte:
      return FindByte(from, end);
    case TScanLoop::VectorPair:
      return FindPair(from, end);
    case TScanLoop::VectorAny:
      return FindAny(from, end);
  }
  return end;
}

bool TByteScanner::StandsAt(const unsigned char* p, const unsigned char* end) const {
  return std::any_of(FPairs.begin(), FPairs.end(), [&](const TBytePair& pair) {
    return end - p > static_cast<std::ptrdiff_t>(pair.Distance) && p[0] == pair.First &&
           p[pair.Distance] == pair.Second;
  });
}

const unsigned char* TByteScanner::FindScalar(const unsigned char* from,
                                              const unsigned char* end) const {
  while (from < end && !StandsAt(from, end)) ++from;
  return from;
}

#if defined(__SSE2__)
// Design of the vector loops.
// - SSE2 only: every processor 32-bit Windows still runs on has it, and 16
//   bytes a comparison already outruns reading the file. Loads are unaligned
//   and no loop aligns its start: records are short and start anywhere, and
//   aligning would cost a head loop of its own for little.
// - No load reads outside [from, end): the text may end at the end of a mapped
//   page. A block of 16 positions at p is compared only when
//   p + Reach + 16 <= end.
// - What is left after the last whole block is one more block ending exactly
//   where the longest pair can last start. It overlaps positions already
//   compared, which held nothing (else the search had stopped), so its first
//   set bit is the answer. Records are short: most searches end in this block,
//   which a byte at a time cost as much as the rest. Only a text shorter than
//   a block, and the last Reach positions (where only shorter pairs of several
//   fit), are compared a byte at a time.
// - The byte and pair loops take 64 positions a round with one branch, the
//   branch being most of a block's cost; the loop over several pairs takes 16,
//   its comparisons outweighing the branch.
// - Each round asks for the bytes a page ahead (see PrefetchAhead).
namespace {

__m128i Load(const unsigned char* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

__m128i Splat(unsigned char c) { return _mm_set1_epi8(static_cast<char>(c)); }

// The processor's own prefetch stops at the end of each 4 KiB page: asking
// for the bytes a page ahead keeps the data coming. (A prefetch never faults,
// past the end of the data neither.)
void PrefetchAhead(const unsigned char* p) {
  _mm_prefetch(reinterpret_cast<const char*>(p) + 4096, _MM_HINT_T0);
}

// Where the pair stands in the 16 positions from p, as a vector of 0xFF bytes.
__m128i PairAt(const unsigned char* p, const TBytePair& pair, __m128i first, __m128i second) {
  return _mm_and_si128(_mm_cmpeq_epi8(Load(p), first),
                       _mm_cmpeq_epi8(Load(p + pair.Distance), second));
}

unsigned Mask(__m128i v) { return static_cast<unsigned>(_mm_movemask_epi8(v)); }

// The first of 64 positions whose comparison came out true, if any did.
const unsigned char* FirstOf(const unsigned char* at, __m128i a, __m128i b, __m128i c, __m128i d) {
  if (!Mask(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d)))) return nullptr;
  const std::uint64_t mask =
      Mask(a) | Mask(b) << 16 | std::uint64_t{Mask(c)} << 32 | std::uint64_t{Mask(d)} << 48;
  return at + __builtin_ctzll(mask);
}

// Goes on from `from`, 16 positions a block, where a search that started at
// `start` (whose positions before `from` held nothing) left off; block(p) is
// the mask of the 16 positions from p, reading up to p + reach + 16. What no
// block compares (the last `reach` positions, where only the pairs of shorter
// distances fit, or all of a text shorter than one block) goes to rest(p),
// the byte-at-a-time search from p.
template <typename TBlock, typename TRest>
const unsigned char* FindInBlocks(const unsigned char* start, const unsigned char* from,
                                  const unsigned char* end, std::size_t reach, TBlock block,
                                  TRest rest) {
  const auto span = static_cast<std::ptrdiff_t>(reach + 16);
  if (end - start < span) return rest(from);
  const unsigned char* const last = end - span;
  for (; from < last; from += 16) {
    if (const unsigned mask = block(from)) return from + __builtin_ctz(mask);
  }
  const unsigned mask = block(last);
  return mask ? last + __builtin_ctz(mask) : rest(last + 16);
}

}  // namespace

const unsigned char* TByteScanner::FindByte(const unsigned char* from,
                                            const unsigned char* end) const {
  const unsigned char* const start = from;
  const __m128i wanted = Splat(FPairs[0].First);
  for (; end - from >= 64; from += 64) {
    PrefetchAhead(from);
    const __m128i a = _mm_cmpeq_epi8(Load(from), wanted);
    const __m128i b = _mm_cmpeq_epi8(Load(from + 16), wanted);
    const __m128i c = _mm_cmpeq_epi8(Load(from + 32), wanted);
    const __m128i d = _mm_cmpeq_epi8(Load(from + 48), wanted);
    if (const unsigned char* hit = FirstOf(from, a, b, c, d)) return hit;
  }
  const auto block = [&](const unsigned char* p) { return Mask(_mm_cmpeq_epi8(Load(p), wanted)); };
  const auto rest = [&](const unsigned char* p) { return FindScalar(p, end); };
  return FindInBlocks(start, from, end, 0, block, rest);
}

// Two comparisons per position (the first byte there, the second further on)
// stop the scan only where both agree, which is rare even for common bytes.
const unsigned char* TByteScanner::FindPair(const unsigned char* from,
                                            const unsigned char* end) const {
  const unsigned char* const start = from;
  const TBytePair& pair = FPairs[0];
  const __m128i first = Splat(pair.First);
  const __m128i second = Splat(pair.Second);
  const auto room = static_cast<std::ptrdiff_t>(64 + pair.Distance);
  for (; end - from >= room; from += 64) {
    PrefetchAhead(from);
    const __m128i a = PairAt(from, pair, first, second);
    const __m128i b = PairAt(from + 16, pair, first, second);
    const __m128i c = PairAt(from + 32, pair, first, second);
    const __m128i d = PairAt(from + 48, pair, first, second);
    if (const unsigned char* hit = FirstOf(from, a, b, c, d)) return hit;
  }
  const auto block = [&](const unsigned char* p) { return Mask(PairAt(p, pair, first, second)); };
  const auto rest = [&](const unsigned char* p) { return FindScalar(p, end); };
  return FindInBlocks(start, from, end, pair.Distance, block, rest);
}

const unsigned char* TByteScanner::FindAny(const unsigned char* from,
                                           const unsigned char* end) const {
  __m128i first[kMaxPairs];
  __m128i second[kMaxPairs];
  for (std::size_t i = 0; i < FPairs.size(); ++i) {
    first[i] = Splat(FPairs[i].First);
    second[i] = Splat(FPairs[i].Second);
  }
  const auto block = [&](const unsigned char* p) {
    if ((reinterpret_cast<std::uintptr_t>(p) & 63) < 16) PrefetchAhead(p);
    __m128i any = PairAt(p, FPairs[0], first[0], second[0]);
    for (std::size_t i = 1; i < FPairs.size(); ++i) {
      any = _mm_or_si128(any, PairAt(p, FPairs[i], first[i], second[i]));
    }
    return Mask(any);
  };
  const auto rest = [&](const unsigned char* p) { return FindScalar(p, end); };
  return FindInBlocks(from, from, end, FReach, block, rest);
}
#else
// Without SSE2 the vector loops are the scalar one.
const unsigned char* TByteScanner::FindByte(const unsigned char* from,
                                            const unsigned char* end) const {
  return FindScalar(from, end);
}

const unsigned char* TByteScanner::FindPair(const unsigned char* from,
                                            const unsigned char* end) const {
  return FindScalar(from, end);
}

const unsigned char* TByteScanner::FindAny(const unsigned char* from,
                                           const unsigned char* end) const {
  return FindScalar(from, end);
}
#endif

#include "zsfind/byte_scanner.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

TByteScanner::TByteScanner(std::vector<TBytePair> pairs) : Pairs(std::move(pairs)) {
  for (const TBytePair& pair : Pairs) Reach = std::max(Reach, pair.Distance);
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
  if (Pairs.size() > kMaxPairs) return FindScalar(from, end);
  if (Pairs.size() > 1) return FindAny(from, end);
  return Pairs[0].Distance == 0 ? FindByte(from, end) : FindPair(from, end);
}

bool TByteScanner::StandsAt(const unsigned char* p, const unsigned char* end) const {
  return std::any_of(Pairs.begin(), Pairs.end(), [&](const TBytePair& pair) {
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

// Where the pair stands in the 16 bytes at p, as a mask of their positions.
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

}  // namespace

const unsigned char* TByteScanner::FindByte(const unsigned char* from,
                                            const unsigned char* end) const {
#if defined(__GLIBC__)
  // glibc's memchr is vectorised as wide as the processor allows.
  const void* hit = std::memchr(from, Pairs[0].First, static_cast<std::size_t>(end - from));
  return hit ? static_cast<const unsigned char*>(hit) : end;
#else
  const __m128i wanted = Splat(Pairs[0].First);
  for (; end - from >= 64; from += 64) {
    PrefetchAhead(from);
    const __m128i a = _mm_cmpeq_epi8(Load(from), wanted);
    const __m128i b = _mm_cmpeq_epi8(Load(from + 16), wanted);
    const __m128i c = _mm_cmpeq_epi8(Load(from + 32), wanted);
    const __m128i d = _mm_cmpeq_epi8(Load(from + 48), wanted);
    if (const unsigned char* hit = FirstOf(from, a, b, c, d)) return hit;
  }
  return FindScalar(from, end);
#endif
}

// Two comparisons per position (the first byte there, the second further on)
// stop the scan only where both agree, which is rare even for common bytes.
// Four blocks a round, one branch.
const unsigned char* TByteScanner::FindPair(const unsigned char* from,
                                            const unsigned char* end) const {
  const TBytePair& pair = Pairs[0];
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
  return FindScalar(from, end);
}

const unsigned char* TByteScanner::FindAny(const unsigned char* from,
                                           const unsigned char* end) const {
  __m128i first[kMaxPairs];
  __m128i second[kMaxPairs];
  for (std::size_t i = 0; i < Pairs.size(); ++i) {
    first[i] = Splat(Pairs[i].First);
    second[i] = Splat(Pairs[i].Second);
  }
  const auto room = static_cast<std::ptrdiff_t>(16 + Reach);
  for (; end - from >= room; from += 16) {
    if ((reinterpret_cast<std::uintptr_t>(from) & 63) < 16) PrefetchAhead(from);
    __m128i any = PairAt(from, Pairs[0], first[0], second[0]);
    for (std::size_t i = 1; i < Pairs.size(); ++i) {
      any = _mm_or_si128(any, PairAt(from, Pairs[i], first[i], second[i]));
    }
    if (const unsigned mask = Mask(any)) return from + __builtin_ctz(mask);
  }
  return FindScalar(from, end);
}
#else
const unsigned char* TByteScanner::FindByte(const unsigned char* from,
                                            const unsigned char* end) const {
  const void* hit = std::memchr(from, Pairs[0].First, static_cast<std::size_t>(end - from));
  return hit ? static_cast<const unsigned char*>(hit) : end;
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

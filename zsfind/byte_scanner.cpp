#include "zsfind/byte_scanner.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

TByteScanner::TByteScanner(const std::vector<unsigned char>& bytes) : Count(bytes.size()) {
  for (std::size_t i = 0; i < Count; ++i) {
    Set[i] = bytes[i];
    Member[bytes[i]] = true;
  }
}

TByteScanner::TByteScanner(unsigned char first, std::size_t distance, unsigned char second)
    : TByteScanner(std::vector<unsigned char>{first}) {
  Distance = distance;
  Second = second;
}

const unsigned char* TByteScanner::Find(const unsigned char* p, const unsigned char* end) const {
  if (Distance > 0) return FindPair(p, end);
#if defined(__GLIBC__)
  // glibc's memchr is vectorised as wide as the processor allows.
  if (Count == 1) {
    const void* hit = std::memchr(p, Set[0], static_cast<std::size_t>(end - p));
    return hit ? static_cast<const unsigned char*>(hit) : end;
  }
#endif
  return FindVector(p, end);
}

const unsigned char* TByteScanner::FindScalar(const unsigned char* p,
                                              const unsigned char* end) const {
  while (p < end && !Member[*p]) ++p;
  return p;
}

#if defined(__SSE2__)
// Two comparisons per block (the first byte here, the second further on)
// stop the scan only where both agree, which is rare even for common bytes.
const unsigned char* TByteScanner::FindPair(const unsigned char* p,
                                            const unsigned char* end) const {
  const __m128i first = _mm_set1_epi8(static_cast<char>(Set[0]));
  const __m128i second = _mm_set1_epi8(static_cast<char>(Second));
  for (; end - p >= static_cast<std::ptrdiff_t>(16 + Distance); p += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + Distance));
    const __m128i both = _mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, second));
    if (const int mask = _mm_movemask_epi8(both))
      return p + __builtin_ctz(static_cast<unsigned>(mask));
  }
  for (; end - p > static_cast<std::ptrdiff_t>(Distance); ++p) {
    if (p[0] == Set[0] && p[Distance] == Second) return p;
  }
  return end;
}

const unsigned char* TByteScanner::FindVector(const unsigned char* p,
                                              const unsigned char* end) const {
  __m128i wanted[kMaxBytes];
  for (std::size_t i = 0; i < Count; ++i) wanted[i] = _mm_set1_epi8(static_cast<char>(Set[i]));
  for (; end - p >= 16; p += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i any = _mm_cmpeq_epi8(block, wanted[0]);
    for (std::size_t i = 1; i < Count; ++i)
      any = _mm_or_si128(any, _mm_cmpeq_epi8(block, wanted[i]));
    if (const int mask = _mm_movemask_epi8(any))
      return p + __builtin_ctz(static_cast<unsigned>(mask));
  }
  return FindScalar(p, end);
}
#else
const unsigned char* TByteScanner::FindPair(const unsigned char* p,
                                            const unsigned char* end) const {
  for (; end - p > static_cast<std::ptrdiff_t>(Distance); ++p) {
    if (p[0] == Set[0] && p[Distance] == Second) return p;
  }
  return end;
}

const unsigned char* TByteScanner::FindVector(const unsigned char* p,
                                              const unsigned char* end) const {
  return FindScalar(p, end);
}
#endif

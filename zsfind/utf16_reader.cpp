#include "zsfind/utf16_reader.h"

#include "encoding/utf8.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsHighSurrogate(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

char32_t TUtf16Reader::Unit(std::size_t at) const {
  return FBigEndian ? FRaw[at] << 8 | FRaw[at + 1] : FRaw[at + 1] << 8 | FRaw[at];
}

// Reads a block and converts what it completes; false on a read error.
bool TUtf16Reader::Convert() {
  const long long n = FSource(FRaw.data() + FKept, FRaw.size() - FKept);
  if (n < 0) return false;
  const std::size_t end = FKept + static_cast<std::size_t>(n);
  const bool last = n == 0;
  std::size_t at = 0;
  for (; end - at >= 2; at += 2) {
    char32_t c = Unit(at);
    if (IsHighSurrogate(c) && end - at < 4 && !last) break;  // its pair is in the next block
    if (IsHighSurrogate(c) && end - at >= 4 && IsLowSurrogate(Unit(at + 2))) {
      c = 0x10000 + ((c - 0xD800) << 10) + (Unit(at + 2) - 0xDC00);
      at += 2;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      c = 0xFFFD;
      ++FInvalidUnits;
    }
    AppendUtf8(FPending, c);
  }
  if (last && at < end) {
    AppendUtf8(FPending, 0xFFFD);  // an odd byte at the end
    ++FInvalidUnits;
    at = end;
  }
  FKept = end - at;
  std::memmove(FRaw.data(), FRaw.data() + at, FKept);
  FEnded = last;
  return true;
}

// Gives what one block converts to, at most: converting ahead would only
// hold a copy of what the caller's buffer holds anyway.
long long TUtf16Reader::Read(unsigned char* buffer, std::size_t size) {
  while (FPending.size() == FTaken && !FEnded) {
    FPending.erase(0, FTaken);
    FTaken = 0;
    if (!Convert()) return -1;
  }
  const std::size_t n = std::min(size, FPending.size() - FTaken);
  std::memcpy(buffer, FPending.data() + FTaken, n);
  FTaken += n;
  return static_cast<long long>(n);
}

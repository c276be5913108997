#include "zsfind/sjis.h"

bool IsWholeCharacters(const unsigned char* begin, const unsigned char* end) {
  const unsigned char* p = begin;
  while (p < end) {
    if (IsLeadByte(*p) && p + 1 == end) return false;
    p += CharLength(p, end);
  }
  return true;
}

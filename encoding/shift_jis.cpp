#include "encoding/shift_jis.h"

bool IsWholeCharacters(const unsigned char* begin, const unsigned char* end) {
  const unsigned char* p = begin;
  while (p < end) {
    if (IsShiftJisLead(*p) && p + 1 == end) return false;
    p += ShiftJisCharLength(p, end);
  }
  return true;
}

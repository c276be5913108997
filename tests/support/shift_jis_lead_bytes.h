#pragma once
// The lead bytes of Shift-JIS as a set of the 256 byte values, the form in
// which the search launcher takes the lead bytes of the running ANSI code
// page: what the tests compare it, and the code pages they model, with.

#include "encoding/shift_jis.h"

#include <bitset>

inline std::bitset<256> ShiftJisLeadBytes() {
  std::bitset<256> lead;
  for (unsigned b = 0; b < 256; ++b) lead[b] = IsShiftJisLead(static_cast<unsigned char>(b));
  return lead;
}

#pragma once
// Code page 932 (Shift-JIS with the NEC and IBM extensions) character
// structure. A lead byte always takes the byte after it as its trail, the same
// rule cmd and the front end apply, so every tool agrees on where characters
// begin and end.

#include <cstddef>

// Lead bytes of double-byte characters.
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length of the character that starts at p; a lead byte at end is alone.
inline std::size_t CharLength(const unsigned char* p, const unsigned char* end) {
  return IsLeadByte(*p) && p + 1 < end ? 2 : 1;
}

// Walks one record from its first byte to tell which offsets begin a
// character. Queries must come in non-decreasing order; the walk then costs
// one pass over the record however many candidates it is asked about.
class TBoundaryCursor {
 public:
  TBoundaryCursor(const unsigned char* begin, const unsigned char* end) : Pos(begin), End(end) {}

  bool IsBoundary(const unsigned char* p) {
    while (Pos < p) Pos += CharLength(Pos, End);
    return Pos == p;
  }

 private:
  const unsigned char* Pos;
  const unsigned char* End;
};

// True when the bytes form whole characters (no lead byte left without its trail).
bool IsWholeCharacters(const unsigned char* begin, const unsigned char* end);

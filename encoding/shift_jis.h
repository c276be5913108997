#pragma once
// Code page 932 (Shift-JIS with the NEC and IBM extensions) character
// structure, the one rule every part of the project reads Shift-JIS by. A lead
// byte always takes the byte after it as its trail, the same rule cmd and the
// front end apply, so every tool agrees on where characters begin and end: a
// trail byte may look like "\" (0x5C), "|" or a letter and is never taken for
// one.

#include <cstddef>

// Lead bytes of double-byte characters.
constexpr bool IsShiftJisLead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Bytes the code page uses as the second byte of a double-byte character.
constexpr bool IsShiftJisTrail(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

// How many lead bytes there are, and a lead byte's place among them (0 for
// 0x81), for tables indexed by lead byte.
inline constexpr unsigned kShiftJisLeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);
constexpr unsigned ShiftJisLeadIndex(unsigned char lead) {
  return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
}

// Length of the character that starts at p; a lead byte at end is alone.
inline std::size_t ShiftJisCharLength(const unsigned char* p, const unsigned char* end) {
  return IsShiftJisLead(*p) && p + 1 < end ? 2 : 1;
}

// Tells which offsets of a record begin a character. A byte that is not a
// lead byte always ends a character (it is a single-byte character or a
// trail), so only the run of lead-range bytes just before a position decides:
// the position begins a character when that run has even length. Queries
// must come in non-decreasing order; the cursor remembers the last boundary it
// found, so no byte is looked at twice however many positions are asked about.
class TBoundaryCursor {
 public:
  explicit TBoundaryCursor(const unsigned char* begin) : FKnown(begin) {}

  bool IsBoundary(const unsigned char* p) {
    const unsigned char* q = p;
    while (q > FKnown && IsShiftJisLead(q[-1])) --q;
    const bool boundary = (p - q) % 2 == 0;
    // Either p begins a character, or the lead byte before it does.
    FKnown = boundary ? p : p - 1;
    return boundary;
  }

 private:
  const unsigned char* FKnown;  // a position known to begin a character
};

// True when the bytes form whole characters (no lead byte left without its trail).
bool IsWholeCharacters(const unsigned char* begin, const unsigned char* end);

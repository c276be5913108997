#pragma once
// The folded form of one Shift-JIS character, for the default comparison:
// ASCII and full-width Latin letters compare without case; full-width and
// half-width letters, digits and katakana are the same (a half-width kana
// followed by a voiced or semi-voiced mark is one character); characters that
// code page 932 holds twice (NEC and IBM extensions) are the same. Hiragana and
// katakana stay distinct.

#include <cstddef>
#include <cstdint>
#include <vector>

struct TFoldedChar {
  std::uint16_t Code;   // equal codes mean equal characters
  std::uint8_t Length;  // bytes the character takes in the text (1 or 2)
};

// Reads the character at p (p < end).
TFoldedChar ReadFolded(const unsigned char* p, const unsigned char* end);

// A byte sequence (one or two bytes) that a text may hold for a character.
struct TEncoding {
  unsigned char Bytes[2];
  std::uint8_t Length;
};

// Every byte sequence that reads as the folded code: the anchor search uses
// them to know what to look for.
std::vector<TEncoding> EncodingsOf(std::uint16_t code);

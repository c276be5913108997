#pragma once
// UTF-8, read strictly: a byte that does not begin a well-formed sequence
// (a stray continuation byte, a lead byte whose continuation is missing or
// out of range, an overlong form, a surrogate, a value past U+10FFFF) is a
// character of its own that no text equals. A byte that is not a
// continuation byte therefore always begins a character.

#include <cstddef>
#include <cstdint>
#include <string>

constexpr bool IsUtf8Continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

struct TUtf8Char {
  char32_t Code;  // U+FFFD for a byte that is no character
  std::uint8_t Length;
  bool Valid;
};

// Reads the character at p (p < end).
inline TUtf8Char DecodeUtf8(const unsigned char* p, const unsigned char* end) {
  const unsigned char b = *p;
  if (b < 0x80) return {b, 1, true};
  const TUtf8Char invalid{0xFFFD, 1, false};
  // The length a lead byte announces, and the range its second byte must be in.
  unsigned length = 0, low = 0x80, high = 0xBF;
  if (b >= 0xC2 && b <= 0xDF) {
    length = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    length = 3;
    if (b == 0xE0) low = 0xA0;
    if (b == 0xED) high = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    length = 4;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;
  } else {
    return invalid;
  }
  if (end - p < static_cast<std::ptrdiff_t>(length) || p[1] < low || p[1] > high) return invalid;
  char32_t code = b & (0x7F >> length);
  for (unsigned i = 1; i < length; ++i) {
    if (!IsUtf8Continuation(p[i])) return invalid;
    code = code << 6 | (p[i] & 0x3F);
  }
  return {code, static_cast<std::uint8_t>(length), true};
}

void AppendUtf8(std::string& out, char32_t code);

// How many bytes of [begin, end) are no character; a sequence cut at `end`
// counts as whole when `cut` is true (the text goes on after end).
std::size_t CountInvalidUtf8(const unsigned char* begin, const unsigned char* end, bool cut);

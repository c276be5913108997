#pragma once
// Code page 932 and Unicode: the character each byte or byte pair stands for,
// and the code the code page gives a character. Where a character has several
// codes (the NEC and IBM duplicates), its code is the one Windows converts it
// to; the few characters that the JIS mapping of Shift-JIS gives instead of
// the code page's (〜 for ～, − for －, ¢ £ ¬ ‖) convert to that code too.

#include <cstdint>
#include <vector>

// What a byte or a pair that is no character of the code page maps to.
inline constexpr char32_t kNoCharacter = 0xFFFFFFFF;

// The character of a single byte; none for a lead byte or an undefined byte.
char32_t Cp932Character(unsigned char byte);
// The character of a lead byte and the byte after it; none where the code
// page defines no character there.
char32_t Cp932Character(unsigned char lead, unsigned char trail);

struct TCp932Code {
  unsigned char Bytes[2];
  std::uint8_t Length;  // 0 when the code page lacks the character
};

TCp932Code Cp932CodeOf(char32_t character);
// The character a code stands for (the code must have a length).
char32_t Cp932CharacterOf(const TCp932Code& code);

// The character the code of `character` stands for: itself, or for one of the
// JIS mapping's forms the code page's character (〜 gives ～).
char32_t Cp932Form(char32_t character);

// The JIS mapping's forms that the code page reads as other characters.
std::vector<char32_t> Cp932AlternateForms();

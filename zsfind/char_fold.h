#pragma once
// How the comparisons read a character. Each character of a text reads as a
// code, and equal codes are equal characters.
//
// The default comparison (Folded) reads as the same: upper and lower case of
// ASCII and full-width Latin letters; full-width and half-width letters,
// digits and katakana (a half-width kana with a voiced or semi-voiced mark is
// one character, as is a kana with a combining mark in UTF-8); the codes that
// code page 932 holds one character under (NEC and IBM duplicates) and the
// forms other mappings give for a few of its codes (〜 for ～); and a kanji
// with its old and variant forms (國 and 国), from the generated table.
// FoldedKana also reads hiragana as katakana (small kana as small kana, ゝゞ as
// ヽヾ). Exact compares bytes and reads nothing here.
//
// Database text is Shift-JIS (code page 932) or UTF-8; a code is the Unicode
// scalar value of the character the folded form stands for, so the same
// character reads as the same code in either.

#include "encoding/shift_jis.h"
#include "encoding/utf8.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum class TCompare { Folded, FoldedKana, Exact };
enum class TCharCoding { ShiftJis, Utf8 };

struct TFoldedChar {
  std::uint32_t Code;
  std::uint8_t Length;  // bytes the character takes in the text
};

// Tells which positions of a record begin a character, asked in ascending
// order: in UTF-8 every byte but a continuation byte does.
class TCharBoundary {
 public:
  TCharBoundary(TCharCoding coding, const unsigned char* begin)
      : FUtf8(coding == TCharCoding::Utf8), FShiftJis(begin) {}
  bool IsBoundary(const unsigned char* p) {
    return FUtf8 ? !IsUtf8Continuation(*p) : FShiftJis.IsBoundary(p);
  }

 private:
  bool FUtf8;
  TBoundaryCursor FShiftJis;
};

// Codes at or above this stand for bytes that are no character: they equal
// only the same bytes.
inline constexpr std::uint32_t kNoCharacterCode = 0x80000000;

// The code one Unicode character reads as, in a folding comparison.
std::uint32_t FoldCharacter(char32_t c, TCompare compare);

// The code of a folded kana and a voiced (U+3099) or semi-voiced (U+309A)
// mark read as one character; 0 when they are two.
std::uint32_t ComposedKana(std::uint32_t kana, char32_t mark, TCompare compare);

// One coding read with one folding comparison.
class TCharFold {
 public:
  // compare is Folded or FoldedKana. Made once, on first use.
  static const TCharFold& Of(TCharCoding coding, TCompare compare);

  TCharCoding Coding() const { return FTextCoding; }

  // Reads the character at p (p < end).
  TFoldedChar Read(const unsigned char* p, const unsigned char* end) const {
    return FTextCoding == TCharCoding::ShiftJis ? ReadShiftJis(p, end) : ReadUtf8(p, end);
  }

  // Whether a folded character begins at p, a position where a character of
  // the coding begins: it does unless p holds a mark that the character
  // before took in. Positions are asked in ascending order.
  bool BeginsFoldedChar(const unsigned char* begin, const unsigned char* p,
                        const unsigned char* end, TCharBoundary& boundary) const;

  // Every byte sequence that reads as the code (none for a code of bytes
  // that are no character).
  std::vector<std::string> EncodingsOf(std::uint32_t code) const;

  // True when the code has one encoding and no mark after it changes what
  // it reads as (in UTF-8 a combining mark may follow any kana): such a
  // character can be searched for byte for byte.
  bool IsLiteral(std::uint32_t code) const;

  // The lookup tables, built on first use.
  struct TTables;

 private:
  TCharFold(TCharCoding coding, TCompare compare);
  TFoldedChar ReadShiftJis(const unsigned char* p, const unsigned char* end) const;
  TFoldedChar ReadUtf8(const unsigned char* p, const unsigned char* end) const;

  TCharCoding FTextCoding;
  std::shared_ptr<const TTables> FTables;
};

// Old and variant kanji that fold together, one group a line: the kanji the
// group reads as first. For zsfind --list-variants.
std::vector<std::vector<char32_t>> KanjiVariantGroups();

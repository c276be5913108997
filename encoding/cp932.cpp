#include "encoding/cp932.h"

#include "encoding/shift_jis.h"

#include <algorithm>
#include <iterator>
#include <memory>

namespace {

#include "encoding/cp932_table.inc"

constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kLastTrail = 0xFC;

// The code of every character of the Basic Multilingual Plane, the only plane
// the code page maps to; built once from the table.
class TReverseTable {
 public:
  TReverseTable() : FCodes(std::make_unique<std::uint16_t[]>(0x10000)) {
    for (unsigned b = 0; b < 256; ++b) {
      if (kCp932SingleBytes[b] != 0xFFFF)
        FCodes[kCp932SingleBytes[b]] = static_cast<std::uint16_t>(b);
    }
    // Ascending codes: the first of duplicates that are not one-way wins,
    // which is the JIS X 0208 code before the NEC row and the IBM code before
    // the NEC-selected copy.
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsShiftJisLead(static_cast<unsigned char>(lead))) continue;
      for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
        const char32_t c =
            Cp932Character(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
        const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
        if (c == kNoCharacter || FCodes[c] != 0 || IsOneWay(code)) continue;
        FCodes[c] = code;
      }
    }
    for (const auto& [character, code] : kCp932Alternates) FCodes[character] = code;
  }

  // 0 for a character the code page lacks (U+0000 is byte 0 either way).
  std::uint16_t operator[](char32_t c) const { return c < 0x10000 ? FCodes[c] : 0; }

 private:
  static bool IsOneWay(std::uint16_t code) {
    return std::binary_search(std::begin(kCp932OneWay), std::end(kCp932OneWay), code);
  }

  std::unique_ptr<std::uint16_t[]> FCodes;
};

}  // namespace

char32_t Cp932Character(unsigned char byte) {
  const std::uint16_t c = kCp932SingleBytes[byte];
  return c == 0xFFFF ? kNoCharacter : c;
}

char32_t Cp932Character(unsigned char lead, unsigned char trail) {
  if (!IsShiftJisLead(lead) || trail < kFirstTrail || trail > kLastTrail) return kNoCharacter;
  const std::uint16_t c = kCp932DoubleBytes[ShiftJisLeadIndex(lead)][trail - kFirstTrail];
  return c == 0 ? kNoCharacter : c;
}

TCp932Code Cp932CodeOf(char32_t character) {
  static const TReverseTable table;
  const std::uint16_t code = table[character];
  if (code == 0 && character != 0) return {{0, 0}, 0};
  if (code < 0x100) return {{static_cast<unsigned char>(code), 0}, 1};
  return {{static_cast<unsigned char>(code >> 8), static_cast<unsigned char>(code)}, 2};
}

char32_t Cp932CharacterOf(const TCp932Code& code) {
  return code.Length == 1 ? Cp932Character(code.Bytes[0])
                          : Cp932Character(code.Bytes[0], code.Bytes[1]);
}

char32_t Cp932Form(char32_t character) {
  const TCp932Code code = Cp932CodeOf(character);
  return code.Length == 0 ? character : Cp932CharacterOf(code);
}

std::vector<char32_t> Cp932AlternateForms() {
  std::vector<char32_t> forms;
  for (const auto& [character, code] : kCp932Alternates) forms.push_back(character);
  return forms;
}

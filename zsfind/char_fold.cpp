#include "zsfind/char_fold.h"

#include "zsfind/sjis.h"

#include <array>

namespace {

// Full-width forms of the half-width katakana block 0xA1..0xDF, in order.
constexpr char kFullWidthKana[] =
    "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノ"
    "ハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
static_assert(sizeof(kFullWidthKana) == 2 * (0xDF - 0xA1 + 1) + 1,
              "the kana table must be compiled to code page 932");

constexpr std::uint16_t Code(unsigned lead, unsigned trail) {
  return static_cast<std::uint16_t>(lead << 8 | trail);
}

constexpr unsigned LeadIndex(unsigned lead) {
  return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
}

// Position of a double-byte code among the 188 valid trails of its lead.
constexpr unsigned TrailOrdinal(unsigned trail) {
  return trail < 0x7F ? trail - 0x40 : trail - 0x41;
}
constexpr unsigned TrailOfOrdinal(unsigned ordinal) {
  return ordinal < 63 ? ordinal + 0x40 : ordinal + 0x41;
}

// Characters encoded twice in code page 932; each folds to its lowest code.
struct TDuplicate {
  std::uint16_t From, To;
};
constexpr TDuplicate kDuplicates[] = {
    {0x8790, 0x81E0}, {0x8791, 0x81DF}, {0x8792, 0x81E7}, {0x8795, 0x81E3}, {0x8796, 0x81DB},
    {0x8797, 0x81DA}, {0x879A, 0x81E6}, {0x879B, 0x81BF}, {0x879C, 0x81BE}, {0xEEF9, 0x81CA},
    {0xFA54, 0x81CA}, {0xFA55, 0xEEFA}, {0xFA56, 0xEEFB}, {0xFA57, 0xEEFC}, {0xFA58, 0x878A},
    {0xFA59, 0x8782}, {0xFA5A, 0x8784}, {0xFA5B, 0x81E6},
};

constexpr std::uint16_t FoldDoubleByte(unsigned lead, unsigned trail) {
  const std::uint16_t code = Code(lead, trail);
  if (lead == 0x82 && trail >= 0x60 && trail <= 0x79) return 'A' + (trail - 0x60);
  if (lead == 0x82 && trail >= 0x81 && trail <= 0x9A) return 'A' + (trail - 0x81);
  if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) return '0' + (trail - 0x4F);
  for (const TDuplicate& d : kDuplicates) {
    if (d.From == code) return d.To;
  }
  if (trail < 0x40 || trail == 0x7F || trail > 0xFC || lead < 0xFA) return code;
  // IBM extensions: ten small Roman numerals, ten capital ones (NEC row 13),
  // eight symbols (above), then 360 kanji in the same order as the
  // NEC-selected copies that start at 0xED40.
  const unsigned ordinal = (lead - 0xFA) * 188 + TrailOrdinal(trail);
  if (ordinal < 10) return Code(0xEE, TrailOfOrdinal(0xEF - 0x41 + ordinal));
  if (ordinal < 20) return static_cast<std::uint16_t>(0x8754 + ordinal - 10);
  if (ordinal < 28 || ordinal >= 28 + 360) return code;
  const unsigned nec = ordinal - 28;
  return Code(0xED + nec / 188, TrailOfOrdinal(nec % 188));
}

struct TTables {
  std::array<std::uint16_t, 60 * 256> Double{};
  std::array<std::uint16_t, 256> Single{};
  std::array<std::uint16_t, 256> Voiced{};      // with a following 0xDE, 0 if none
  std::array<std::uint16_t, 256> SemiVoiced{};  // with a following 0xDF, 0 if none
};

constexpr TTables BuildTables() {
  TTables t;
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (unsigned trail = 0; trail < 256; ++trail) {
      t.Double[LeadIndex(lead) << 8 | trail] = FoldDoubleByte(lead, trail);
    }
  }
  for (unsigned b = 0; b < 256; ++b) {
    t.Single[b] = static_cast<std::uint16_t>(b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b);
  }
  for (unsigned b = 0xA1; b <= 0xDF; ++b) {
    const unsigned i = 2 * (b - 0xA1);
    t.Single[b] = Code(static_cast<unsigned char>(kFullWidthKana[i]),
                       static_cast<unsigned char>(kFullWidthKana[i + 1]));
  }
  // Voiced kana follow their plain form in code page 932: カ ガ, ハ バ パ.
  for (unsigned b = 0xB6; b <= 0xC4; ++b) t.Voiced[b] = t.Single[b] + 1;
  for (unsigned b = 0xCA; b <= 0xCE; ++b) {
    t.Voiced[b] = t.Single[b] + 1;
    t.SemiVoiced[b] = t.Single[b] + 2;
  }
  t.Voiced[0xB3] = 0x8394;  // ｳﾞ is ヴ
  return t;
}

constexpr TTables kTables = BuildTables();

}  // namespace

TFoldedChar ReadFolded(const unsigned char* p, const unsigned char* end) {
  const unsigned char b = *p;
  if (IsLeadByte(b)) {
    if (p + 1 == end) return {b, 1};
    return {kTables.Double[LeadIndex(b) << 8 | p[1]], 2};
  }
  if (p + 1 < end && (p[1] == 0xDE || p[1] == 0xDF)) {
    const std::uint16_t combined = p[1] == 0xDE ? kTables.Voiced[b] : kTables.SemiVoiced[b];
    if (combined != 0) return {combined, 2};
  }
  return {kTables.Single[b], 1};
}

std::vector<TEncoding> EncodingsOf(std::uint16_t code) {
  std::vector<TEncoding> found;
  for (unsigned b = 0; b < 256; ++b) {
    const auto first = static_cast<unsigned char>(b);
    if (IsLeadByte(first)) {
      for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
        if (kTables.Double[LeadIndex(b) << 8 | trail] == code) {
          found.push_back({{first, static_cast<unsigned char>(trail)}, 2});
        }
      }
      continue;
    }
    if (kTables.Single[b] == code) found.push_back({{first, 0}, 1});
    if (kTables.Voiced[b] == code) found.push_back({{first, 0xDE}, 2});
    if (kTables.SemiVoiced[b] == code) found.push_back({{first, 0xDF}, 2});
  }
  return found;
}

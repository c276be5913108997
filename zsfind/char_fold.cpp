#include "zsfind/char_fold.h"

#include "encoding/shift_jis.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// Full-width forms of the half-width katakana block 0xA1..0xDF, in order, as
// code page 932 codes (written as numbers so that the table does not depend on
// the compiler's execution character set).
constexpr std::uint16_t kFullWidthKana[] = {
    0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x8392, 0x8340, 0x8342,  // 。「」、・ヲァィ
    0x8344, 0x8346, 0x8348, 0x8383, 0x8385, 0x8387, 0x8362, 0x815B,  // ゥェォャュョッー
    0x8341, 0x8343, 0x8345, 0x8347, 0x8349, 0x834A, 0x834C, 0x834E,  // アイウエオカキク
    0x8350, 0x8352, 0x8354, 0x8356, 0x8358, 0x835A, 0x835C, 0x835E,  // ケコサシスセソタ
    0x8360, 0x8363, 0x8365, 0x8367, 0x8369, 0x836A, 0x836B, 0x836C,  // チツテトナニヌネ
    0x836D, 0x836E, 0x8371, 0x8374, 0x8377, 0x837A, 0x837D, 0x837E,  // ノハヒフヘホマミ
    0x8380, 0x8381, 0x8382, 0x8384, 0x8386, 0x8388, 0x8389, 0x838A,  // ムメモヤユヨラリ
    0x838B, 0x838C, 0x838D, 0x838F, 0x8393, 0x814A, 0x814B,          // ルレロワン゛゜
};
static_assert(std::size(kFullWidthKana) == 0xDF - 0xA1 + 1);

constexpr std::uint16_t Code(unsigned lead, unsigned trail) {
  return static_cast<std::uint16_t>(lead << 8 | trail);
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
  if (!IsShiftJisTrail(static_cast<unsigned char>(trail)) || lead < 0xFA) return code;
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
  std::array<std::uint16_t, kShiftJisLeadCount * 256> Double{};
  std::array<std::uint16_t, 256> Single{};
  std::array<std::uint16_t, 256> Voiced{};      // with a following 0xDE, 0 if none
  std::array<std::uint16_t, 256> SemiVoiced{};  // with a following 0xDF, 0 if none
};

constexpr TTables BuildTables() {
  TTables t;
  for (unsigned lead = 0; lead < 256; ++lead) {
    if (!IsShiftJisLead(static_cast<unsigned char>(lead))) continue;
    for (unsigned trail = 0; trail < 256; ++trail) {
      t.Double[ShiftJisLeadIndex(static_cast<unsigned char>(lead)) << 8 | trail] =
          FoldDoubleByte(lead, trail);
    }
  }
  for (unsigned b = 0; b < 256; ++b) {
    t.Single[b] = static_cast<std::uint16_t>(b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b);
  }
  for (unsigned b = 0xA1; b <= 0xDF; ++b) t.Single[b] = kFullWidthKana[b - 0xA1];
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
  if (IsShiftJisLead(b)) {
    if (p + 1 == end) return {b, 1};
    return {kTables.Double[ShiftJisLeadIndex(b) << 8 | p[1]], 2};
  }
  if (p + 1 < end && (p[1] == 0xDE || p[1] == 0xDF)) {
    const std::uint16_t combined = p[1] == 0xDE ? kTables.Voiced[b] : kTables.SemiVoiced[b];
    if (combined != 0) return {combined, 2};
  }
  return {kTables.Single[b], 1};
}

namespace {

struct TCodedEncoding {
  std::uint16_t Code;
  TEncoding Encoding;
};

bool ByCode(const TCodedEncoding& a, const TCodedEncoding& b) { return a.Code < b.Code; }

// Every byte sequence that reads as one character, by folded code. A lead
// byte takes whatever byte follows as its trail, so every one of the 256
// counts, not only the trails the code page assigns.
std::vector<TCodedEncoding> BuildEncodingIndex() {
  std::vector<TCodedEncoding> index;
  for (unsigned b = 0; b < 256; ++b) {
    const auto first = static_cast<unsigned char>(b);
    if (IsShiftJisLead(first)) {
      for (unsigned trail = 0; trail < 256; ++trail) {
        index.push_back({kTables.Double[ShiftJisLeadIndex(first) << 8 | trail],
                         {{first, static_cast<unsigned char>(trail)}, 2}});
      }
      continue;
    }
    index.push_back({kTables.Single[b], {{first, 0}, 1}});
    if (kTables.Voiced[b] != 0) index.push_back({kTables.Voiced[b], {{first, 0xDE}, 2}});
    if (kTables.SemiVoiced[b] != 0) index.push_back({kTables.SemiVoiced[b], {{first, 0xDF}, 2}});
  }
  std::stable_sort(index.begin(), index.end(), ByCode);
  return index;
}

}  // namespace

std::vector<TEncoding> EncodingsOf(std::uint16_t code) {
  static const std::vector<TCodedEncoding> index = BuildEncodingIndex();
  const auto [from, to] =
      std::equal_range(index.begin(), index.end(), TCodedEncoding{code, {}}, ByCode);
  std::vector<TEncoding> found;
  for (auto it = from; it != to; ++it) found.push_back(it->Encoding);
  return found;
}

#include "zsfind/char_fold.h"

#include "encoding/cp932.h"
#include "encoding/utf8.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <unordered_map>

namespace {

#include "zsfind/fold_tables.inc"

// The marks a kana takes in: combining ones after any kana (in UTF-8 text),
// half-width ones after a half-width kana.
constexpr char32_t kMarks[2] = {0x3099, 0x309A};
constexpr char32_t kHalfWidthMarks[2] = {0xFF9E, 0xFF9F};
constexpr unsigned char kShiftJisHalfWidthMarks[2] = {0xDE, 0xDF};

// Folded kana, the only characters that take a mark in.
constexpr char32_t kKanaBase = 0x3040;
constexpr std::size_t kKanaCount = 0xC0;

bool IsHalfWidthKana(char32_t c) { return c >= 0xFF61 && c <= 0xFF9F; }

char32_t Mapped(const std::unordered_map<char32_t, char32_t>& map, char32_t c) {
  const auto found = map.find(c);
  return found == map.end() ? c : found->second;
}

template <std::size_t N>
std::unordered_map<char32_t, char32_t> MapOf(const std::uint32_t (&pairs)[N][2]) {
  std::unordered_map<char32_t, char32_t> map;
  for (const auto& [from, to] : pairs) map.emplace(from, to);
  return map;
}

// A byte sequence (in UTF-8 at most a character and a mark) and the code it
// reads as.
struct TCodedForm {
  std::uint32_t Code;
  std::uint8_t Length;
  char Bytes[7];

  std::string_view View() const { return {Bytes, Length}; }
  bool operator<(const TCodedForm& other) const { return Code < other.Code; }
};

TCodedForm Utf8Form(std::uint32_t code, std::initializer_list<char32_t> chars) {
  std::string bytes;
  for (const char32_t c : chars) AppendUtf8(bytes, c);
  TCodedForm form{code, static_cast<std::uint8_t>(bytes.size()), {}};
  bytes.copy(form.Bytes, bytes.size());
  return form;
}

}  // namespace

std::uint32_t FoldCharacter(char32_t c, TCompare compare) {
  static const std::unordered_map<char32_t, char32_t> widths = MapOf(kWidthFolds);
  static const std::unordered_map<char32_t, char32_t> marks = MapOf(kSpacingMarks);
  static const std::unordered_map<char32_t, char32_t> variants = MapOf(kKanjiVariants);
  c = Mapped(marks, Mapped(widths, c));
  if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
  c = Mapped(variants, Cp932Form(c));
  if (compare == TCompare::FoldedKana &&
      ((c >= 0x3041 && c <= 0x3096) || c == 0x309D || c == 0x309E)) {
    c += 0x60;  // ぁ..ゖ, ゝゞ to ァ..ヶ, ヽヾ
  }
  return c;
}

std::uint32_t ComposedKana(std::uint32_t kana, char32_t mark, TCompare compare) {
  for (const auto& [base, with, composed] : kComposedKana) {
    if (with == mark && FoldCharacter(base, compare) == kana) {
      return FoldCharacter(composed, compare);
    }
  }
  return 0;
}

struct TCharFold::TTables {
  // A folded kana with a mark after it, as one character: [semi-voiced][kana].
  std::array<std::array<std::uint32_t, kKanaCount>, 2> Composed{};
  // Shift-JIS: by lead byte index and trail; by single byte; a half-width
  // kana with 0xDE or 0xDF after it (0 when it takes none).
  std::vector<std::uint32_t> Double;
  std::array<std::uint32_t, 256> Single{};
  std::array<std::array<std::uint32_t, 256>, 2> Marked{};
  // UTF-8: the codes of the pages of 256 characters that do not read as
  // themselves (PageOf[c >> 8], 0 for a page that does).
  std::vector<std::uint16_t> PageOf;
  std::vector<std::uint32_t> Pages;
  // Byte sequences by the code they read as (in UTF-8 only those of the
  // characters that do not read as themselves).
  std::vector<TCodedForm> Encodings;

  std::uint32_t ComposedWith(std::uint32_t kana, int mark) const {
    return kana - kKanaBase < kKanaCount ? Composed[mark][kana - kKanaBase] : 0;
  }
  std::uint32_t Fold(char32_t c) const {
    const std::size_t page = c >> 8;
    return page < PageOf.size() && PageOf[page] ? Pages[PageOf[page] * 256u + (c & 0xFF)] : c;
  }
};

namespace {

void BuildComposed(TCharFold::TTables& t, TCompare compare) {
  for (int mark = 0; mark < 2; ++mark) {
    for (std::size_t kana = 0; kana < kKanaCount; ++kana) {
      t.Composed[mark][kana] =
          ComposedKana(static_cast<std::uint32_t>(kKanaBase + kana), kMarks[mark], compare);
    }
  }
}

void BuildShiftJis(TCharFold::TTables& t, TCompare compare) {
  t.Double.resize(kShiftJisLeadCount * 256);
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    const auto l = static_cast<unsigned char>(lead);
    if (!IsShiftJisLead(l)) continue;
    for (unsigned trail = 0; trail < 256; ++trail) {
      const char32_t c = Cp932Character(l, static_cast<unsigned char>(trail));
      t.Double[ShiftJisLeadIndex(l) << 8 | trail] =
          c == kNoCharacter ? kNoCharacterCode | lead << 8 | trail : FoldCharacter(c, compare);
    }
  }
  for (unsigned b = 0; b < 256; ++b) {
    const char32_t c = Cp932Character(static_cast<unsigned char>(b));
    // A lead byte alone (at the end of a record) is no character either.
    t.Single[b] = c == kNoCharacter ? kNoCharacterCode | b : FoldCharacter(c, compare);
    if (c != kNoCharacter && IsHalfWidthKana(c)) {
      for (int mark = 0; mark < 2; ++mark) t.Marked[mark][b] = t.ComposedWith(t.Single[b], mark);
    }
  }
  // Each character, and each half-width kana with the mark it takes in.
  const auto add = [&](std::uint32_t code, unsigned first, int second) {
    TCodedForm form{code, static_cast<std::uint8_t>(second < 0 ? 1 : 2), {}};
    form.Bytes[0] = static_cast<char>(first);
    form.Bytes[1] = static_cast<char>(second);
    t.Encodings.push_back(form);
  };
  for (unsigned b = 0; b < 256; ++b) {
    if (IsShiftJisLead(static_cast<unsigned char>(b))) {
      for (int trail = 0; trail < 256; ++trail) {
        add(t.Double[ShiftJisLeadIndex(static_cast<unsigned char>(b)) << 8 | trail], b, trail);
      }
      continue;
    }
    add(t.Single[b], b, -1);
    for (int mark = 0; mark < 2; ++mark) {
      if (t.Marked[mark][b] != 0) add(t.Marked[mark][b], b, kShiftJisHalfWidthMarks[mark]);
    }
  }
  std::stable_sort(t.Encodings.begin(), t.Encodings.end());
}

// The characters that fold to something else: the half- and full-width
// forms, ASCII letters, kana, the code page's alternate forms and the
// variant kanji. Every other character reads as itself.
std::vector<char32_t> CharactersThatFold() {
  std::vector<char32_t> characters;
  for (char32_t c = 'a'; c <= 'z'; ++c) characters.push_back(c);
  for (char32_t c = 0x3041; c <= 0x30FF; ++c) characters.push_back(c);
  for (const auto& [from, to] : kWidthFolds) characters.push_back(from);
  for (const auto& [from, to] : kSpacingMarks) characters.push_back(from);
  for (const auto& [from, to] : kKanjiVariants) characters.push_back(from);
  for (const char32_t c : Cp932AlternateForms()) characters.push_back(c);
  return characters;
}

void BuildUtf8(TCharFold::TTables& t, TCompare compare) {
  t.PageOf.assign(0x1100, 0);
  t.Pages.assign(256, 0);                                  // page 0 stands for "reads as itself"
  std::map<std::uint32_t, std::vector<char32_t>> folding;  // by code
  for (const char32_t c : CharactersThatFold()) {
    const std::uint32_t code = FoldCharacter(c, compare);
    if (code == c) continue;
    std::uint16_t& page = t.PageOf[c >> 8];
    if (page == 0) {
      page = static_cast<std::uint16_t>(t.Pages.size() / 256);
      for (char32_t same = c & ~0xFFu; same < (c | 0xFF) + 1; ++same) t.Pages.push_back(same);
    }
    t.Pages[page * 256u + (c & 0xFF)] = code;
    folding[code].push_back(c);
  }
  const auto formsOf = [&](std::uint32_t code) {
    std::vector<char32_t> forms = folding.count(code) ? folding[code] : std::vector<char32_t>{};
    if (t.Fold(code) == code) forms.push_back(code);
    return forms;
  };
  for (const auto& [code, forms] : folding) {
    for (const char32_t c : forms) t.Encodings.push_back(Utf8Form(code, {c}));
  }
  for (int mark = 0; mark < 2; ++mark) {
    for (std::size_t kana = 0; kana < kKanaCount; ++kana) {
      const std::uint32_t composed = t.Composed[mark][kana];
      if (composed == 0) continue;
      for (const char32_t base : formsOf(static_cast<std::uint32_t>(kKanaBase + kana))) {
        t.Encodings.push_back(Utf8Form(composed, {base, kMarks[mark]}));
        if (IsHalfWidthKana(base)) {
          t.Encodings.push_back(Utf8Form(composed, {base, kHalfWidthMarks[mark]}));
        }
      }
    }
  }
  std::stable_sort(t.Encodings.begin(), t.Encodings.end());
}

}  // namespace

TCharFold::TCharFold(TCharCoding coding, TCompare compare) : FTextCoding(coding) {
  auto tables = std::make_shared<TTables>();
  BuildComposed(*tables, compare);
  if (coding == TCharCoding::ShiftJis) {
    BuildShiftJis(*tables, compare);
  } else {
    BuildUtf8(*tables, compare);
  }
  FTables = std::move(tables);
}

// Each is made on first use only: a search needs one of them. Exact reads
// characters only to know their lengths, which any folding does.
const TCharFold& TCharFold::Of(TCharCoding coding, TCompare compare) {
  const bool kana = compare == TCompare::FoldedKana;
  if (coding == TCharCoding::ShiftJis && !kana) {
    static const TCharFold fold(TCharCoding::ShiftJis, TCompare::Folded);
    return fold;
  }
  if (coding == TCharCoding::ShiftJis) {
    static const TCharFold fold(TCharCoding::ShiftJis, TCompare::FoldedKana);
    return fold;
  }
  if (!kana) {
    static const TCharFold fold(TCharCoding::Utf8, TCompare::Folded);
    return fold;
  }
  static const TCharFold fold(TCharCoding::Utf8, TCompare::FoldedKana);
  return fold;
}

TFoldedChar TCharFold::ReadShiftJis(const unsigned char* p, const unsigned char* end) const {
  const TTables& t = *FTables;
  const unsigned char b = *p;
  if (IsShiftJisLead(b)) {
    if (p + 1 == end) return {t.Single[b], 1};
    return {t.Double[ShiftJisLeadIndex(b) << 8 | p[1]], 2};
  }
  if (p + 1 < end && (p[1] == 0xDE || p[1] == 0xDF)) {
    const std::uint32_t combined = t.Marked[p[1] == 0xDF][b];
    if (combined != 0) return {combined, 2};
  }
  return {t.Single[b], 1};
}

namespace {

// Which mark, if any, stands at p: 0 voiced, 1 semi-voiced, -1 none.
int CombiningMarkAt(const unsigned char* p, const unsigned char* end) {
  if (end - p < 3 || p[0] != 0xE3 || p[1] != 0x82 || (p[2] != 0x99 && p[2] != 0x9A)) return -1;
  return p[2] == 0x9A;
}
int HalfWidthMarkAt(const unsigned char* p, const unsigned char* end) {
  if (end - p < 3 || p[0] != 0xEF || p[1] != 0xBE || (p[2] != 0x9E && p[2] != 0x9F)) return -1;
  return p[2] == 0x9F;
}

}  // namespace

TFoldedChar TCharFold::ReadUtf8(const unsigned char* p, const unsigned char* end) const {
  const TTables& t = *FTables;
  const TUtf8Char c = DecodeUtf8(p, end);
  if (!c.Valid) return {kNoCharacterCode | 0x100 | *p, 1};
  const std::uint32_t code = t.Fold(c.Code);
  if (code - kKanaBase >= kKanaCount) return {code, c.Length};
  const unsigned char* next = p + c.Length;
  int mark = CombiningMarkAt(next, end);
  if (mark < 0 && IsHalfWidthKana(c.Code)) mark = HalfWidthMarkAt(next, end);
  const std::uint32_t composed = mark < 0 ? 0 : t.ComposedWith(code, mark);
  if (composed == 0) return {code, c.Length};
  return {composed, static_cast<std::uint8_t>(c.Length + 3)};
}

bool TCharFold::BeginsFoldedChar(const unsigned char* begin, const unsigned char* p,
                                 const unsigned char* end, TCharBoundary& boundary) const {
  if (p == begin) return true;
  if (FTextCoding == TCharCoding::ShiftJis) {
    // Only a single-byte character takes the byte after it in.
    return !boundary.IsBoundary(p - 1) || ReadShiftJis(p - 1, end).Length == 1;
  }
  if (CombiningMarkAt(p, end) < 0 && HalfWidthMarkAt(p, end) < 0) return true;
  const unsigned char* before = p - 1;
  while (before > begin && p - before < 4 && IsUtf8Continuation(*before)) --before;
  return before + ReadUtf8(before, end).Length <= p;
}

std::vector<std::string> TCharFold::EncodingsOf(std::uint32_t code) const {
  std::vector<std::string> found;
  if (FTextCoding == TCharCoding::Utf8 && code < kNoCharacterCode && FTables->Fold(code) == code) {
    found.emplace_back(Utf8Form(code, {static_cast<char32_t>(code)}).View());
  }
  const auto [from, to] = std::equal_range(FTables->Encodings.begin(), FTables->Encodings.end(),
                                           TCodedForm{code, 0, {}});
  for (auto it = from; it != to; ++it) found.emplace_back(it->View());
  return found;
}

bool TCharFold::IsLiteral(std::uint32_t code) const {
  return EncodingsOf(code).size() == 1 && FTables->ComposedWith(code, 0) == 0 &&
         FTables->ComposedWith(code, 1) == 0;
}

std::vector<std::vector<char32_t>> KanjiVariantGroups() {
  std::vector<std::vector<char32_t>> groups;
  for (const auto& [kanji, group] : kKanjiVariants) {
    if (groups.empty() || groups.back().front() != group) groups.push_back({group});
    groups.back().push_back(kanji);
  }
  return groups;
}

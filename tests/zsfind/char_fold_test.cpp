// Code page 932 and the folded form of every character against the system's
// own converter (MultiByteToWideChar and WideCharToMultiByte on Windows, iconv
// elsewhere): the Shift-JIS rule's lead and trail bytes are the system's, the
// table gives each character the system's, converting back gives the system's
// code, and each character reads as the fold of it. The encodings of every
// code, in Shift-JIS and UTF-8, read back as it.

#include "zsfind/char_fold.h"
#include "encoding/cp932.h"
#include "encoding/shift_jis.h"
#include "encoding/utf8.h"
#include "tests/support/shift_jis_lead_bytes.h"
#include "zsfind/byte_scanner.h"

#include <gtest/gtest.h>

#include <bitset>
#include <cstring>
#include <optional>
#include <set>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace {

#if defined(_WIN32)
// The character of one or two bytes, or 0 when they are not one.
char32_t SystemCharacter(const unsigned char* bytes, int size) {
  wchar_t wide[2];
  const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, reinterpret_cast<const char*>(bytes),
                                    size, wide, 2);
  return n == 1 ? wide[0] : 0;
}

std::string SystemCode(char32_t c) {
  const wchar_t wide = static_cast<wchar_t>(c);
  char bytes[4];
  BOOL defaulted = FALSE;
  const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, sizeof bytes,
                                    nullptr, &defaulted);
  return n > 0 && !defaulted ? std::string(bytes, static_cast<std::size_t>(n)) : "";
}

bool SystemLeadByte(unsigned char byte) { return IsDBCSLeadByteEx(932, byte); }
#else
// Converts `size` bytes; the output's bytes, or none.
std::optional<std::string> Convert(const char* to, const char* from, const void* in,
                                   std::size_t size) {
  iconv_t cd = iconv_open(to, from);
  char out[8];
  char* inp = static_cast<char*>(const_cast<void*>(in));
  char* outp = out;
  std::size_t inLeft = size, outLeft = sizeof out;
  const bool done = iconv(cd, &inp, &inLeft, &outp, &outLeft) != static_cast<std::size_t>(-1) &&
                    iconv(cd, nullptr, nullptr, &outp, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!done) return std::nullopt;
  return std::string(out, sizeof out - outLeft);
}

char32_t SystemCharacter(const unsigned char* bytes, int size) {
  const auto out = Convert("UTF-32LE", "CP932", bytes, static_cast<std::size_t>(size));
  if (!out || out->size() != 4) return 0;
  char32_t c;
  std::memcpy(&c, out->data(), 4);
  return c;
}

std::string SystemCode(char32_t c) { return Convert("CP932", "UTF-32LE", &c, 4).value_or(""); }

// A lead byte is a byte that is no character alone.
bool SystemLeadByte(unsigned char byte) {
  return !Convert("UTF-32LE", "CP932", &byte, 1) && byte >= 0x81 && byte != 0xA0 && byte < 0xFD;
}
#endif

// What an ASCII-range folded code stands for: the letter in upper case, or
// the digit, whatever the width.
char32_t AsciiFold(char32_t c) {
  if (c >= 0xFF10 && c <= 0xFF19) return c - 0xFF10 + '0';
  if (c >= 0xFF21 && c <= 0xFF3A) return c - 0xFF21 + 'A';
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 0xFF41 + 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  return c;
}

std::string CodeOf(char32_t c) {
  const TCp932Code code = Cp932CodeOf(c);
  return std::string(reinterpret_cast<const char*>(code.Bytes), code.Length);
}

TEST(CharFold, AgreesWithTheSystemConverter) {
  const TCharFold& fold = TCharFold::Of(TCharCoding::ShiftJis, TCompare::Folded);
  std::size_t characters = 0;
  std::bitset<256> leads, trails;  // as the system reads them
  const auto add = [&](const unsigned char* bytes, int size) {
    const char32_t c = SystemCharacter(bytes, size);
    const char32_t mine = size == 2 ? Cp932Character(bytes[0], bytes[1]) : Cp932Character(bytes[0]);
    const auto code = static_cast<unsigned>(bytes[0] << 8 | (size == 2 ? bytes[1] : 0));
    // Windows also gives 0x80, 0xA0 and 0xFD to 0xFF alone a character, which the
    // table leaves none: they match only themselves either way.
    if (c == 0 || (size == 1 && (bytes[0] == 0x80 || bytes[0] == 0xA0 || bytes[0] >= 0xFD))) {
      ASSERT_EQ(mine == kNoCharacter, c == 0 || size == 1) << std::hex << code;
      return;
    }
    if (size == 2) trails[bytes[1]] = true;
    ASSERT_EQ(mine, c) << std::hex << code;
    ASSERT_EQ(CodeOf(c), SystemCode(c)) << std::hex << code;
    const TFoldedChar folded = fold.Read(bytes, bytes + size);
    ASSERT_EQ(folded.Length, size);
    ASSERT_EQ(folded.Code, FoldCharacter(c, TCompare::Folded)) << std::hex << code;
    if (folded.Code < 0x80) {
      ASSERT_EQ(AsciiFold(c), folded.Code) << std::hex << code;
    }
    ++characters;
  };
  for (unsigned b = 1; b < 256; ++b) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(b), 0};
    leads[b] = SystemLeadByte(bytes[0]);
    if (!IsShiftJisLead(bytes[0])) add(bytes, 1);
    for (unsigned t = 0; IsShiftJisLead(bytes[0]) && t < 256; ++t) {
      const unsigned char pair[2] = {bytes[0], static_cast<unsigned char>(t)};
      add(pair, 2);
    }
  }
  EXPECT_EQ(leads, ShiftJisLeadBytes());
  for (unsigned t = 0; t < 256; ++t) {
    EXPECT_EQ(trails[t], IsShiftJisTrail(static_cast<unsigned char>(t))) << std::hex << t;
  }
  EXPECT_GT(characters, 9000u);
  // The forms the JIS mapping gives convert to the code page's code.
  EXPECT_EQ(CodeOf(0x301C), "～");
  EXPECT_EQ(CodeOf(0x2212), "－");
  EXPECT_EQ(CodeOf(0x9DD7), "");  // 鷗
}

TEST(CharFold, VoicedHalfWidthKanaAreOneCharacter) {
  const TCharFold& fold = TCharFold::Of(TCharCoding::ShiftJis, TCompare::Folded);
  const unsigned char ga[] = {0xB6, 0xDE};  // ｶﾞ
  const TFoldedChar folded = fold.Read(ga, ga + 2);
  EXPECT_EQ(folded.Length, 2);
  EXPECT_EQ(folded.Code, 0x30ACu);         // ガ
  const unsigned char a[] = {0xB1, 0xDE};  // ｱﾞ has no combined form
  EXPECT_EQ(fold.Read(a, a + 2).Length, 1);
}

// Every encoding of the code that the text at `bytes` reads as reads back as
// that code, and there are few enough for the scanner to look for at once.
void ExpectEncodingsReadBack(const TCharFold& fold, std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::uint32_t code = fold.Read(p, p + bytes.size()).Code;
  const std::vector<std::string> encodings = fold.EncodingsOf(code);
  ASSERT_GE(encodings.size(), 1u) << std::hex << code;
  ASSERT_LE(PairsOf(encodings).size(), TByteScanner::kMaxPairs) << std::hex << code;
  for (const std::string& e : encodings) {
    const auto* q = reinterpret_cast<const unsigned char*>(e.data());
    const TFoldedChar c = fold.Read(q, q + e.size());
    ASSERT_EQ(c.Code, code) << std::hex << code;
    ASSERT_EQ(c.Length, e.size()) << std::hex << code;
  }
}

TEST(CharFold, EncodingsCoverEveryForm) {
  const TCharFold& sjis = TCharFold::Of(TCharCoding::ShiftJis, TCompare::Folded);
  const std::vector<std::string> ga = sjis.EncodingsOf(0x30AC);
  EXPECT_EQ(std::set<std::string>(ga.begin(), ga.end()), (std::set<std::string>{"ガ", "ｶﾞ"}));
  EXPECT_EQ(sjis.EncodingsOf('A').size(), 4u);  // A a Ａ ａ
  for (const TCompare compare : {TCompare::Folded, TCompare::FoldedKana}) {
    const TCharFold& fold = TCharFold::Of(TCharCoding::ShiftJis, compare);
    for (unsigned b = 0; b < 256; ++b) {
      const bool lead = IsShiftJisLead(static_cast<unsigned char>(b));
      for (unsigned t = 0; t < (lead ? 256u : 1u); ++t) {
        const char bytes[2] = {static_cast<char>(b), static_cast<char>(t)};
        ExpectEncodingsReadBack(fold, std::string_view(bytes, lead ? 2 : 1));
      }
    }
    const TCharFold& utf8 = TCharFold::Of(TCharCoding::Utf8, compare);
    for (char32_t c = 0; c < 0x30000; ++c) {
      if (c >= 0xD800 && c <= 0xDFFF) continue;
      std::string bytes;
      AppendUtf8(bytes, c);
      ExpectEncodingsReadBack(utf8, bytes);
    }
  }
}

}  // namespace

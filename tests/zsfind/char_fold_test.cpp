// The Shift-JIS rule and the folded form of every character of code page 932
// against the system's own decoder: the rule's lead and trail bytes are the
// decoder's, and each character reads as the fold of the character the decoder
// gives. The encodings of every code, in Shift-JIS and UTF-8, read back as it.

#include "zsfind/char_fold.h"
#include "encoding/shift_jis.h"
#include "encoding/utf8.h"
#include "zsfind/byte_scanner.h"

#include <gtest/gtest.h>

#include <bitset>
#include <set>
#include <string>

#if !defined(_WIN32)
#include <iconv.h>

#include <cerrno>

namespace {

// The code point of one character, or 0 when the bytes are not one.
char32_t Decode(iconv_t cd, const unsigned char* bytes, std::size_t size) {
  char in[2] = {static_cast<char>(bytes[0]), static_cast<char>(size > 1 ? bytes[1] : 0)};
  char32_t out[2] = {0, 0};
  char* inp = in;
  char* outp = reinterpret_cast<char*>(out);
  std::size_t inLeft = size, outLeft = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<std::size_t>(-1) ||
      outLeft != sizeof out - 4) {
    return 0;
  }
  return out[0];
}

// True when the decoder takes the byte alone for the start of a longer character.
bool StartsLongerCharacter(iconv_t cd, unsigned char byte) {
  char in[1] = {static_cast<char>(byte)};
  char32_t out[2] = {0, 0};
  char* inp = in;
  char* outp = reinterpret_cast<char*>(out);
  std::size_t inLeft = 1, outLeft = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  return iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<std::size_t>(-1) &&
         errno == EINVAL;
}

// What an ASCII-range folded code stands for: the letter in upper case, or
// the digit, whatever the width.
char32_t AsciiFold(char32_t c) {
  if (c >= 0xFF10 && c <= 0xFF19) return c - 0xFF10 + '0';
  if (c >= 0xFF21 && c <= 0xFF3A) return c - 0xFF21 + 'A';
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 0xFF41 + 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  return c;
}

TEST(CharFold, AgreesWithTheSystemDecoder) {
  iconv_t cd = iconv_open("UTF-32LE", "CP932");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  const TCharFold& fold = TCharFold::Of(TCharCoding::ShiftJis, TCompare::Folded);
  std::size_t characters = 0;
  std::bitset<256> leads, trails;  // as the decoder reads them
  const auto add = [&](const unsigned char* bytes, std::size_t size) {
    const char32_t c = Decode(cd, bytes, size);
    if (c == 0) return;
    if (size == 2) trails[bytes[1]] = true;
    const TFoldedChar folded = fold.Read(bytes, bytes + size);
    ASSERT_EQ(folded.Length, size);
    const auto code = static_cast<unsigned>(c);
    ASSERT_EQ(folded.Code, FoldCharacter(c, TCompare::Folded)) << std::hex << code;
    if (folded.Code < 0x80) {
      ASSERT_EQ(AsciiFold(c), folded.Code) << std::hex << code;
    }
    ++characters;
  };
  for (unsigned b = 1; b < 256; ++b) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(b), 0};
    leads[b] = StartsLongerCharacter(cd, bytes[0]);
    if (!IsShiftJisLead(bytes[0])) add(bytes, 1);
    for (unsigned t = 0; IsShiftJisLead(bytes[0]) && t < 256; ++t) {
      const unsigned char pair[2] = {bytes[0], static_cast<unsigned char>(t)};
      add(pair, 2);
    }
  }
  iconv_close(cd);
  EXPECT_EQ(leads, ShiftJisLeadBytes());
  for (unsigned t = 0; t < 256; ++t) {
    EXPECT_EQ(trails[t], IsShiftJisTrail(static_cast<unsigned char>(t))) << std::hex << t;
  }
  EXPECT_GT(characters, 9000u);
}

}  // namespace
#endif

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

// The Shift-JIS rule and the folded form of every character of code page 932
// against the system's own decoder: the rule's lead and trail bytes are the
// decoder's, characters held twice fold together, different characters stay
// apart except for case and width, which the comparison ignores on purpose.

#include "zsfind/char_fold.h"
#include "encoding/shift_jis.h"
#include "zsfind/byte_scanner.h"

#include <gtest/gtest.h>

#include <bitset>
#include <map>
#include <set>

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

bool IsHalfWidthKana(char32_t c) { return c >= 0xFF61 && c <= 0xFF9F; }

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
  std::map<char32_t, std::set<std::uint16_t>> foldsOf;
  std::map<std::uint16_t, std::set<char32_t>> charactersOf;
  std::bitset<256> leads, trails;  // as the decoder reads them
  const auto add = [&](const unsigned char* bytes, std::size_t size) {
    const char32_t c = Decode(cd, bytes, size);
    if (c == 0) return;
    if (size == 2) trails[bytes[1]] = true;
    const TFoldedChar folded = ReadFolded(bytes, bytes + size);
    ASSERT_EQ(folded.Length, size);
    foldsOf[c].insert(folded.Code);
    charactersOf[folded.Code].insert(c);
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
  ASSERT_GT(foldsOf.size(), 7000u);
  for (const auto& [c, folds] : foldsOf) {
    EXPECT_EQ(folds.size(), 1u) << "U+" << std::hex << static_cast<unsigned>(c);
  }
  for (const auto& [code, characters] : charactersOf) {
    if (code < 0x80) {
      for (const char32_t c : characters) {
        EXPECT_EQ(AsciiFold(c), code) << "U+" << std::hex << static_cast<unsigned>(c);
      }
      continue;
    }
    // Otherwise one character, with at most its half-width forms beside it.
    int others = 0;
    for (const char32_t c : characters) others += IsHalfWidthKana(c) ? 0 : 1;
    EXPECT_LE(others, 1) << "code " << std::hex << code;
  }
}

}  // namespace
#endif

TEST(CharFold, VoicedHalfWidthKanaAreOneCharacter) {
  const unsigned char ga[] = {0xB6, 0xDE};  // ｶﾞ
  const TFoldedChar folded = ReadFolded(ga, ga + 2);
  EXPECT_EQ(folded.Length, 2);
  EXPECT_EQ(folded.Code, 0x834B);          // ガ
  const unsigned char a[] = {0xB1, 0xDE};  // ｱﾞ has no combined form
  EXPECT_EQ(ReadFolded(a, a + 2).Length, 1);
}

TEST(CharFold, EncodingsCoverEveryForm) {
  std::set<std::string> forms;
  for (const TEncoding& e : EncodingsOf(0x834B)) {
    forms.insert(std::string(reinterpret_cast<const char*>(e.Bytes), e.Length));
  }
  EXPECT_EQ(forms, (std::set<std::string>{"ガ", "ｶﾞ"}));
  EXPECT_EQ(EncodingsOf('A').size(), 4u);  // A a Ａ ａ
  // Every character, whatever its trail byte: its encodings read back as it,
  // and there are few enough for the scanner to look for all at once.
  for (unsigned b = 0; b < 256; ++b) {
    for (unsigned t = 0; t < (IsShiftJisLead(static_cast<unsigned char>(b)) ? 256u : 1u); ++t) {
      const unsigned char bytes[2] = {static_cast<unsigned char>(b), static_cast<unsigned char>(t)};
      const std::uint16_t code =
          ReadFolded(bytes, bytes + (t || IsShiftJisLead(bytes[0]) ? 2 : 1)).Code;
      const std::vector<TEncoding> encodings = EncodingsOf(code);
      ASSERT_GE(encodings.size(), 1u) << b << " " << t;
      ASSERT_LE(encodings.size(), TByteScanner::kMaxPairs) << b << " " << t;
      for (const TEncoding& e : encodings) {
        ASSERT_EQ(ReadFolded(e.Bytes, e.Bytes + e.Length).Code, code) << b << " " << t;
      }
    }
  }
}

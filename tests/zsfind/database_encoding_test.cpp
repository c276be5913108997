// How a database's encoding is told from its first bytes, how UTF-16 is read
// as UTF-8 (line ends as 16-bit units, surrogate pairs, broken units), and how
// UTF-8 text becomes Shift-JIS with 〓 for what the code page lacks.

#include "zsfind/database_encoding.h"
#include "encoding/text_conversion.h"
#include "tests/zsfind/result_files.h"
#include "zsfind/utf16_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

std::string U(std::u8string_view text) { return {text.begin(), text.end()}; }

TEST(DatabaseEncoding, ToldFromTheFirstBytes) {
  struct TCase {
    const char* Name;
    std::string Head, Sample;
    bool AtEnd;
    TDatabaseEncoding Encoding;
    std::size_t Mark;
  };
  using E = TDatabaseEncoding;
  const std::string kanji = U(u8"研究");
  const TCase cases[] = {
      {"UTF-8 mark",
       "\xEF\xBB\xBF"
       "a",
       "", true, E::Utf8WithMark, 3},
      {"UTF-8 mark, then Shift-JIS", "\xEF\xBB\xBF\x8C", "\x8C\xA4", true, E::Utf8WithMark, 3},
      {"UTF-16LE mark",
       "\xFF\xFE"
       "a\0",
       "\xFF\xFE", true, E::Utf16Le, 2},
      {"UTF-16BE mark", "\xFE\xFF\0a", "\xFE\xFF", true, E::Utf16Be, 2},
      {"UTF-8 without mark", "1\t" + kanji.substr(0, 2), kanji, true, E::Utf8, 0},
      {"cut at the sample's end", "1\t" + kanji.substr(0, 2), kanji.substr(0, 4), false, E::Utf8,
       0},
      {"cut at the file's end", "1\t" + kanji.substr(0, 2), kanji.substr(0, 4), true, E::ShiftJis,
       0},
      {"Shift-JIS", "1\t\x8C\xA4", "\x8C\xA4\x8B\x86", true, E::ShiftJis, 0},
      {"half-width kana", "\xB6\xDE", "\xB6\xDE", true, E::ShiftJis, 0},
      {"plain ASCII", "abc", "", true, E::ShiftJis, 0},
      {"empty", "", "", true, E::ShiftJis, 0},
  };
  for (const TCase& c : cases) {
    const TDetectedEncoding found = DetectEncoding(c.Head, c.Sample, c.AtEnd);
    EXPECT_EQ(found.Encoding, c.Encoding) << c.Name;
    EXPECT_EQ(found.MarkLength, c.Mark) << c.Name;
  }
}

// Read from a file, the sample starts after a long stretch of ASCII, and the
// file is left at the first record.
TEST(DatabaseEncoding, FileSkipsAsciiAndStopsAfterTheMark) {
  const char* const path = "zsfind_database_encoding_test.tmp";
  for (const auto& [bytes, encoding] :
       {std::pair<std::string, TDatabaseEncoding>{std::string(300000, 'a') + U(u8"研究"),
                                                  TDatabaseEncoding::Utf8},
        {"\xEF\xBB\xBFxyz", TDatabaseEncoding::Utf8WithMark},
        {std::string(300000, 'a') + "\x8C\xA4", TDatabaseEncoding::ShiftJis}}) {
    resultfiles::Write(path, bytes);
    TReadFile file;
    ASSERT_TRUE(file.Open(path));
    const std::optional<TDetectedEncoding> found = DetectEncoding(file);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Encoding, encoding);
    unsigned char first = 0;
    EXPECT_EQ(file.Read(&first, 1), 1);
    EXPECT_EQ(first, bytes[found->MarkLength]);
  }
  std::remove(path);
}

// The UTF-8 that a reader gives for UTF-16 bytes, read `step` bytes at a time.
std::string ReadUtf16(const std::string& units, bool bigEndian, std::size_t step,
                      std::uint64_t* invalid) {
  std::size_t at = 0;
  TUtf16Reader reader(
      [&](unsigned char* buffer, std::size_t size) {
        const std::size_t n = std::min({size, units.size() - at, std::size_t{3}});
        std::memcpy(buffer, units.data() + at, n);
        at += n;
        return static_cast<long long>(n);
      },
      bigEndian);
  std::string utf8;
  unsigned char buffer[16];
  for (long long n; (n = reader.Read(buffer, step)) > 0;) {
    utf8.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(n));
  }
  *invalid = reader.Invalid();
  return utf8;
}

TEST(DatabaseEncoding, Utf16IsReadAsUtf8) {
  struct TCase {
    const char* Name;
    std::string LittleEndian;  // the units; the big-endian form is swapped from it
    std::string Utf8;
    std::uint64_t Invalid;
  };
  const TCase cases[] = {
      {"line ends are units", std::string("a\0\r\0\n\0\x0A\x30\n\0", 10), U(u8"a\r\n\u300A\n"), 0},
      {"surrogate pair", std::string("\x3D\xD8\x00\xDE", 4), U(u8"\U0001F600"), 0},
      {"lone surrogates",
       std::string("\x00\xDC"
                   "a\0\x3D\xD8",
                   6),
       U(u8"\uFFFDa\uFFFD"), 2},
      {"odd byte at the end", std::string("a\0b", 3), U(u8"a\uFFFD"), 1},
  };
  for (const TCase& c : cases) {
    std::string bigEndian = c.LittleEndian;
    for (std::size_t i = 0; i + 1 < bigEndian.size(); i += 2)
      std::swap(bigEndian[i], bigEndian[i + 1]);
    for (const std::size_t step : {std::size_t{1}, std::size_t{16}}) {
      std::uint64_t invalid = 0;
      EXPECT_EQ(ReadUtf16(c.LittleEndian, false, step, &invalid), c.Utf8) << c.Name << step;
      EXPECT_EQ(invalid, c.Invalid) << c.Name;
      if (c.LittleEndian.size() % 2 == 0) {
        EXPECT_EQ(ReadUtf16(bigEndian, true, step, &invalid), c.Utf8) << c.Name << step;
      }
    }
  }
}

TEST(DatabaseEncoding, Utf8AsShiftJisMarksWhatTheCodePageLacks) {
  struct TCase {
    std::string Utf8, ShiftJis;
    std::size_t Replaced;
  };
  const TCase cases[] = {
      {U(u8"森鷗外"), "森〓外", 1},
      {U(u8"ｶﾞｽ〜－"), "ｶﾞｽ～－", 0},
      {U(u8"a\U0001F600b") + "\xE3\x81", "a〓b〓〓", 3},
  };
  for (const TCase& c : cases) {
    std::string out;
    EXPECT_EQ(AppendAsShiftJis(c.Utf8, out), c.Replaced) << c.ShiftJis;
    EXPECT_EQ(out, c.ShiftJis);
  }
}

}  // namespace

// The whole search path over a database file: anchor choice, block-wise
// reading with tiny blocks, line ends, over-long records, a database cut short
// under a mapped view. Random databases built from Shift-JIS traps are checked
// against a plain character-by-character reference; where folding changes
// nothing the two comparisons must agree; long records take linear time.

#include "encoding/shift_jis.h"
#include "encoding/utf8.h"
#include "tests/support/reference_match.h"
#include "tests/zsfind/result_files.h"
#include "zsfind/database_scan.h"
#include "zsfind/file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace {

const char* const kDatabase = "zsfind_record_search_test.tmp";

void WriteDatabase(const std::string& bytes) { resultfiles::Write(kDatabase, bytes); }

struct TFound {
  std::vector<std::string> Records;
  TScanOutcome Outcome;
};

TFound Scan(const std::vector<std::string>& words, TCompare compare, TScanLimits limits = {},
            TCharCoding coding = TCharCoding::ShiftJis) {
  std::vector<TWordPattern> patterns;
  for (const std::string& w : words) patterns.emplace_back(w, compare, coding);
  TRecordMatcher matcher(std::move(patterns));
  TReadFile file;
  EXPECT_TRUE(file.Open(kDatabase));
  TFound found;
  found.Outcome = ScanDatabase(
      file, matcher, [&](std::string_view r) { found.Records.emplace_back(r); }, limits);
  return found;
}

bool ReferenceContains(const std::string& record, const std::string& word, TCompare compare,
                       TCharCoding coding) {
  return !reference::Occurrences(record, word, compare, coding).empty();
}

std::string U(std::u8string_view text) { return {text.begin(), text.end()}; }

constexpr TCompare kCompares[] = {TCompare::Exact, TCompare::Folded, TCompare::FoldedKana};

class RecordSearch : public ::testing::Test {
 protected:
  void TearDown() override { std::remove(kDatabase); }
};

// Reading into a small and a large buffer, and mapping.
const TScanLimits kWays[] = {{3, 64, false}, {1 << 20, 64, false}, {1 << 20, 64, true}};

TEST_F(RecordSearch, LineEndsAndBlockEdges) {
  WriteDatabase("alpha beta\r\nbeta\r\n\r\ngamma alpha beta\nbeta alpha");
  for (const TScanLimits& way : kWays) {
    const TFound found = Scan({"alpha", "beta"}, TCompare::Exact, way);
    EXPECT_EQ(found.Records,
              (std::vector<std::string>{"alpha beta", "gamma alpha beta", "beta alpha"}))
        << way.BlockSize << way.Map;
    EXPECT_EQ(found.Outcome.Matches, 3u);
  }
}

TEST_F(RecordSearch, OverlongRecordsAreSkippedAndCounted) {
  // A mapped window holds at least MaxRecord bytes, rounded up to whole views.
  for (const std::size_t length : {std::size_t{100}, std::size_t{300000}}) {
    WriteDatabase("hit 1\r\n" + std::string(length, 'x') + " hit\r\nhit 2\r\n" +
                  std::string(length, 'y') + "\r\nhit 3");
    const TFound found = Scan({"hit"}, TCompare::Folded, {8, 64, length > 1000});
    EXPECT_EQ(found.Records, (std::vector<std::string>{"hit 1", "hit 2", "hit 3"})) << length;
    EXPECT_EQ(found.Outcome.LongRecords, 2u) << length;
  }
}

TEST_F(RecordSearch, FolderIsNotADatabase) {
  TReadFile file;
  EXPECT_FALSE(file.Open("."));
  EXPECT_FALSE(file.Open("no such database.txt"));
}

// Pieces of text that make the traps likely, in each coding: byte strings
// that are no character, trail bytes that look like ASCII, kana with marks,
// old and variant kanji.
struct TPieces {
  TCharCoding Coding;
  std::vector<std::string> Pieces;
  bool (*Usable)(std::string_view word);
};

bool IsWholeUtf8(std::string_view word) {
  const auto* p = reinterpret_cast<const unsigned char*>(word.data());
  return !word.empty() && CountInvalidUtf8(p, p + word.size(), false) == 0;
}

TEST_F(RecordSearch, RandomDatabasesAgreeWithReference) {
  const TPieces codings[] = {
      {TCharCoding::ShiftJis,
       {"a",    "A",    "ａ", "Ａ", "ア",       "ｱ",  "ヂ", "ﾁﾞ", "表", "\\", "ソ",
        "＝",   "\x81", "ガ", "ｶﾞ", "ｶ",        "ﾞ",  "か", "が", "1",  "１", " ",
        "\x8E", "R",    "山", "纊", "\xED\x40", "ー", "ｰ",  "国", "國", "ぁ", "ァ"},
       IsUsableWord},
      {TCharCoding::Utf8,
       {U(u8"a"), U(u8"Ａ"), U(u8"ア"), U(u8"ｱ"), U(u8"ｶ"), U(u8"ﾞ"), U(u8"か"), U(u8"\u3099"),
        U(u8"が"), U(u8"鴎"), U(u8"鷗"), U(u8"〜"), U(u8"～"), U(u8"国"), U(u8"國"), "\xE3\x81",
        "\x80", U(u8"ー"), " "},
       IsWholeUtf8},
  };
  std::mt19937 rng(20240607);
  int checkedMatches = 0;
  for (int round = 0; round < 300; ++round) {
    const TPieces& coding = codings[round % 2];
    const auto pick = [&](std::size_t n) {
      std::string s;
      for (std::size_t i = 0; i < n; ++i) s += coding.Pieces[rng() % coding.Pieces.size()];
      return s;
    };
    std::vector<std::string> records;
    std::string database;
    for (int i = 0; i < 40; ++i) {
      records.push_back(pick(rng() % 12));
      database += records.back() + (rng() % 2 ? "\r\n" : "\n");
    }
    WriteDatabase(database);
    std::vector<std::string> words = {pick(1 + rng() % 2), pick(1 + rng() % 2)};
    if (!coding.Usable(words[0]) || !coding.Usable(words[1])) continue;
    for (const TCompare compare : kCompares) {
      std::vector<std::string> expected;
      for (const std::string& r : records) {
        if (ReferenceContains(r, words[0], compare, coding.Coding) &&
            ReferenceContains(r, words[1], compare, coding.Coding)) {
          expected.push_back(r);
        }
      }
      checkedMatches += static_cast<int>(expected.size());
      const TScanLimits way = {5, 1 << 10, round % 4 < 2};
      EXPECT_EQ(Scan(words, compare, way, coding.Coding).Records, expected)
          << "words " << words[0] << " / " << words[1] << " round " << round;
    }
  }
  EXPECT_GT(checkedMatches, 300);
}

TEST_F(RecordSearch, MappedWindowsAgreeWithReading) {
  std::mt19937 rng(7);
  std::string database;
  while (database.size() < (2u << 20)) {
    const std::size_t length = rng() % 900;
    for (std::size_t i = 0; i < length; i += 2) database += rng() % 50 ? "あ" : "表ア";
    database += rng() % 3 ? "\r\n" : "\n";
  }
  WriteDatabase(database);
  const TFound read = Scan({"表", "ア"}, TCompare::Folded, {1 << 12, 1000, false});
  const TFound mapped = Scan({"表", "ア"}, TCompare::Folded, {1 << 12, 1000, true});
  EXPECT_GT(read.Records.size(), 1000u);
  EXPECT_EQ(mapped.Records, read.Records);
  EXPECT_EQ(mapped.Outcome.LongRecords, 0u);
}

// Chunks of thousands of matching records each, searched on two threads,
// whether one is searched ahead of its turn or not: every record reaches the
// sink once, in the database's order.
TEST_F(RecordSearch, ManyMatchesKeepTheDatabaseOrder) {
  std::string database;
  const int count = 1 << 20;  // 12 MiB: several mapped views
  for (int i = 0; i < count; ++i) database += std::to_string(10000000 + i) + " x\n";
  WriteDatabase(database);
  for (const TScanLimits& way : {TScanLimits{1 << 16, 64, false}, TScanLimits{1 << 16, 64, true}}) {
    const TFound found = Scan({"x"}, TCompare::Exact, way);
    ASSERT_EQ(found.Records.size(), static_cast<std::size_t>(count)) << way.Map;
    for (int i = 0; i < count; ++i) {
      ASSERT_EQ(found.Records[i], std::to_string(10000000 + i) + " x") << way.Map;
    }
  }
}

struct TAgreeCase {
  const char* Name;
  std::string Database;
  std::vector<std::string> Words;
  std::vector<std::string> Records;  // that match in both comparisons
};

// Words whose characters have one encoding each: a lead byte with a byte that
// is no trail in the code page (81 26, 88 7F, 9F 0D), kanji, symbols; records
// with lone lead bytes, CR LF and LF, and no line end after the last.
TEST_F(RecordSearch, FoldAndExactAgreeWhereFoldingChangesNothing) {
  const std::vector<TAgreeCase> cases = {
      {"invalid trail, no final line end",
       "abc\x81\x26"
       "def",
       {"abc\x81\x26"
        "def"},
       {"abc\x81\x26"
        "def"}},
      {"invalid trail alone", "x\r\nabc\x81\x26", {"\x81\x26"}, {"abc\x81\x26"}},
      {"invalid trail 7F", "\x88\x7F\x88\x7F!\n\x88\x7F", {"\x88\x7F!"}, {"\x88\x7F\x88\x7F!"}},
      {"lead byte and tab", "x\x9F\ty\r\n\x9F\ty", {"\x9F\ty"}, {"x\x9F\ty", "\x9F\ty"}},
      {"trail that is no word start", "\x81\x26\x26\n\x26\x26", {"\x26\x26"}, {"\x26\x26"}},
      {"lone leads at record ends", "ab\x95\r\nab\x95", {"ab"}, {"ab\x95", "ab\x95"}},
      {"two words, last line open", "表と能\r\n能と表", {"能", "表"}, {"表と能", "能と表"}},
      {"yen after 表 only", "表\\\n\\表", {"\\表"}, {"\\表"}},
  };
  for (const TAgreeCase& c : cases) {
    WriteDatabase(c.Database);
    for (const TScanLimits& way : kWays) {
      for (const TCompare compare : {TCompare::Exact, TCompare::Folded}) {
        EXPECT_EQ(Scan(c.Words, compare, way).Records, c.Records)
            << c.Name << (compare == TCompare::Exact ? " exact" : " folded") << way.BlockSize;
      }
    }
  }
}

struct TLongCase {
  const char* Name;
  std::string Unit;  // the record repeats it
  std::string Word;  // about 1 KiB
  TCompare Compare;
  bool Matches;
  TCharCoding Coding = TCharCoding::ShiftJis;
};

std::string Repeated(const std::string& unit, std::size_t bytes) {
  std::string s;
  while (s.size() < bytes) s += unit;
  return s;
}

// A 2 MiB record and a 1 KiB word that matches all but its end at nearly every
// position: any search that compares the word afresh at each position takes
// minutes; a linear one takes milliseconds. Highlighting is timed too (in
// processor time, which other programs on the machine do not lengthen).
TEST_F(RecordSearch, LongRecordsTakeLinearTime) {
  const std::vector<TLongCase> cases = {
      {"a run, exact", "a", Repeated("a", 1023) + "b", TCompare::Exact, false},
      {"a run, folded", "a", Repeated("a", 1023) + "b", TCompare::Folded, false},
      {"case mixed, folded", "aA", Repeated("Aa", 512) + "b", TCompare::Folded, false},
      {"lead-range run", "＝", Repeated("＝", 511) + "a", TCompare::Exact, false},
      {"voiced kana, folded", "ｶﾞ", Repeated("ガ", 511) + "x", TCompare::Folded, false},
      {"periodic word found", "ab", Repeated("ab", 512), TCompare::Exact, true},
      {"periodic folded found", "ｱｲ", Repeated("アイ", 256), TCompare::Folded, true},
      {"trail bytes everywhere", "表", "\\", TCompare::Folded, false},
      {"variant kanji, folded", "國", Repeated("国", 1022) + "x", TCompare::Folded, false},
      {"combining marks, UTF-8", U(u8"か\u3099"), Repeated(U(u8"ガ"), 1020) + "x",
       TCompare::FoldedKana, false, TCharCoding::Utf8},
  };
  for (const TLongCase& c : cases) {
    const std::string record = Repeated(c.Unit, 2 << 20);
    WriteDatabase("first\r\n" + record + "\r\nlast");
    const std::clock_t start = std::clock();
    const TFound found = Scan({c.Word}, c.Compare, {}, c.Coding);
    std::vector<TWordPattern> words{TWordPattern(c.Word, c.Compare, c.Coding)};
    THitMask mask;
    TRecordMatcher(std::move(words)).MarkHits(record, mask);
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_EQ(found.Records.size(), c.Matches ? 1u : 0u) << c.Name;
    EXPECT_LT(seconds, 2.0) << c.Name;
  }
}

#if !defined(_WIN32)
// The database cut short while a view of it is read: the pages past its new
// end read as zeros, and the scan reports a read error instead of dying.
TEST_F(RecordSearch, DatabaseCutShortUnderAViewIsAReadError) {
  WriteDatabase("hit first\n" + Repeated("x", 3 << 20) + "\nhit last\n");
  std::vector<TWordPattern> words{TWordPattern("hit", TCompare::Exact)};
  TRecordMatcher matcher(std::move(words));
  TReadFile file;
  ASSERT_TRUE(file.Open(kDatabase));
  std::vector<std::string> records;
  const TScanOutcome outcome = ScanDatabase(file, matcher, [&](std::string_view r) {
    records.emplace_back(r);
    ASSERT_EQ(truncate(kDatabase, 4096), 0);
  });
  EXPECT_TRUE(outcome.ReadFailed);
  EXPECT_EQ(records, std::vector<std::string>{"hit first"});
}
#endif

}  // namespace

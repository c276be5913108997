// The tool from its arguments to its result files: what the files hold, how
// appending keeps the HTML one valid document, and that every bad input leaves
// a result stating the problem (never an old one) and a non-zero exit code.

#include "zsfind/zsfind_app.h"
#include "encoding/utf8.h"
#include "tests/zsfind/result_files.h"
#include "zsfind/find_request.h"
#include "zsfind/messages.h"

#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kDir = "zsfind_app_test";
const std::string kText = kDir + "/res/out.txt";
const std::string kHtml = kDir + "/res/out.htm";
const std::string kDb = kDir + "/db.txt";

using resultfiles::Count;
using resultfiles::Read;
using resultfiles::Write;

std::string U(std::u8string_view text) { return {text.begin(), text.end()}; }

class ZsfindApp : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(kDir);
    std::filesystem::create_directory(kDir);
    Write(kDb,
          "0001\t山田　太郎\t1987\t超伝導体の研究\r\n"
          "0002\t佐藤　花子\t1990\tｶﾞｽ分析と超伝導\r\n"
          "0003\tA&B <Co> \"x\" ^|\t2001\tガス超伝導\r\n");
  }
  void TearDown() override { std::filesystem::remove_all(kDir); }

  int Run(std::vector<std::string> args, std::optional<std::string> raw = std::nullopt) {
    std::vector<std::string> all = {"--text-out", kText, "--html-out", kHtml};
    all.insert(all.end(), args.begin(), args.end());
    std::ostringstream out, err;
    return RunZsfind(all, {std::move(raw), "", '/'}, out, err);
  }
};

TEST_F(ZsfindApp, WritesBothResults) {
  EXPECT_EQ(Run({"超伝導", "ガス", kDb}), kExitFound);
  const std::string text = Read(kText);
  EXPECT_EQ(text.rfind("検索語：「超伝導」「ガス」　データベース：" + kDb, 0), 0u) << text;
  EXPECT_NE(text.find("該当：2 件"), std::string::npos);
  EXPECT_NE(text.find("\r\n0002\t佐藤　花子\t1990\tｶﾞｽ分析と超伝導\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n0003\tA&B <Co> \"x\" ^|\t2001\tガス超伝導\r\n"), std::string::npos);
  EXPECT_EQ(text.find("0001"), std::string::npos);

  const std::string html = Read(kHtml);
  EXPECT_NE(html.find("<meta charset=\"Shift_JIS\">"), std::string::npos);
  EXPECT_NE(html.find("<b>2 件"), std::string::npos);
  EXPECT_NE(html.find("<mark>ｶﾞｽ</mark>分析と<mark>超伝導</mark>"), std::string::npos);
  EXPECT_NE(html.find("A&amp;B &lt;Co&gt; &quot;x&quot; ^|"), std::string::npos);
  // ガス and 超伝導 touch in the last record and share one mark.
  EXPECT_EQ(Count(html, "<mark>"), 3);
  EXPECT_NE(html.find("<mark>ガス超伝導</mark>"), std::string::npos);
  // Tab-separated records are table rows, a cell a field, under a heading a
  // field (numbers and years sort as numbers); both hold a year in their
  // third field, so a chart of the 1990s and 2000s comes first.
  EXPECT_NE(html.find("<tr><td>0002</td><td>佐藤　花子</td><td>1990</td><td><mark>ｶﾞｽ</mark>"),
            std::string::npos);
  EXPECT_EQ(Count(html, "<tr><td>"), 2);
  EXPECT_EQ(Count(html, "<th "), 4);
  std::size_t at = 0;
  for (const char* heading : {" class=\"n\">番号<", ">欄2<", " class=\"n\">年<", ">欄4<"}) {
    at = html.find(heading, at);
    EXPECT_NE(at, std::string::npos) << heading;
  }
  EXPECT_LT(html.find("<svg"), html.find("<table"));
  EXPECT_NE(html.find("<title>1990年代 1 件</title>"), std::string::npos);
  EXPECT_NE(html.find("<title>2000年代 1 件</title>"), std::string::npos);
}

TEST_F(ZsfindApp, ExactComparisonAndOneWord) {
  EXPECT_EQ(Run({"--exact", "ガス", "ガス", kDb}), kExitFound);
  EXPECT_NE(Read(kText).find("検索語：「ガス」　"), std::string::npos);
  EXPECT_NE(Read(kText).find("該当：1 件"), std::string::npos);
  // One record: no chart.
  EXPECT_EQ(Read(kHtml).find("<svg"), std::string::npos);
  EXPECT_EQ(Run({"--mode", "exact", "nothing", "ガス", kDb}), kExitNotFound);
  EXPECT_NE(Read(kText).find("該当：0 件"), std::string::npos);
}

TEST_F(ZsfindApp, AppendKeepsOneDocument) {
  ASSERT_EQ(Run({"超伝導", "超伝導", kDb}), kExitFound);
  ASSERT_EQ(Run({"--append", "山田", "山田", kDb}), kExitFound);
  ASSERT_EQ(Run({"--append", "missing", "missing", kDb + ".none"}), kExitDatabaseProblem);
  const std::string text = Read(kText);
  EXPECT_EQ(Count(text, "検索語："), 3);
  EXPECT_NE(text.find("該当：3 件"), std::string::npos);
  EXPECT_NE(text.find("該当：1 件"), std::string::npos);
  const std::string html = Read(kHtml);
  EXPECT_EQ(Count(html, "<section>"), 3);
  EXPECT_EQ(Count(html, "</section>"), 3);
  EXPECT_EQ(Count(html, "<!DOCTYPE html>"), 1);
  EXPECT_EQ(Count(html, "</html>"), 1);
  EXPECT_EQ(html.substr(html.size() - 18), "</body>\r\n</html>\r\n");
#if !defined(_WIN32)
  // The validator: exit code 0 means neither errors nor warnings.
  EXPECT_EQ(std::system(("tidy -q -e --input-encoding shiftjis " + kHtml).c_str()), 0);
#endif
}

TEST_F(ZsfindApp, BytesThatAreNoCharactersKeepTheHtmlValid) {
  // In UTF-8: a C1 control, a noncharacter and a byte that is no UTF-8.
  Write(kDb, "\xEF\xBB\xBFx\xC2\x80\xEF\xB7\x90\xFF" + U(u8"あ") + "\r\n");
  ASSERT_EQ(Run({"x", "", kDb}), kExitFound);
  EXPECT_NE(Read(kHtml).find("<mark>x</mark>&#xFFFD;&#xFFFD;&#xFFFD;あ</p>"), std::string::npos);
  // A lead byte before '<', control and unassigned bytes, a lead byte at the end.
  Write(kDb, "x\x81<b>\x01\x80\xFF\xA0x\r\nx & y\x95\r\n");
  ASSERT_EQ(Run({"x", "x", kDb}), kExitFound);
  const std::string html = Read(kHtml);
  EXPECT_NE(
      html.find("<mark>x</mark>&#xFFFD;&lt;b&gt;&#xFFFD;&#xFFFD;&#xFFFD;&#xFFFD;<mark>x</mark>"),
      std::string::npos)
      << html;
  EXPECT_NE(html.find("<mark>x</mark> &amp; y&#xFFFD;</p>"), std::string::npos);
  // The text result keeps the records as they stand.
  EXPECT_NE(Read(kText).find("\r\nx\x81<b>\x01\x80\xFF\xA0x\r\nx & y\x95\r\n"), std::string::npos);
#if !defined(_WIN32)
  EXPECT_EQ(std::system(("tidy -q -e --input-encoding shiftjis " + kHtml).c_str()), 0);
#endif
}

// UTF-8 text of the Basic Multilingual Plane as UTF-16 with its byte-order mark.
std::string Utf16(const std::string& utf8, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  for (const auto* end = p + utf8.size(); p < end;) {
    const TUtf8Char c = DecodeUtf8(p, end);
    p += c.Length;
    const char high = static_cast<char>(c.Code >> 8), low = static_cast<char>(c.Code & 0xFF);
    out += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return out;
}

// The same records in every encoding a database comes in, searched one after
// another into the same results: each is read in its own encoding, the
// header says which, what code page 932 lacks is 〓 in the text and itself
// in the HTML, and the appended results stay one document.
TEST_F(ZsfindApp, EveryEncodingAppendsToTheSameResults) {
  const std::string records = U(u8"1\t森鷗外\t1909\t舞姫の研究\r\n2\t國語學會\t1950\tかな〜カナ\n");
  struct TForm {
    std::string Bytes;
    std::string_view Encoding;
  };
  const TForm forms[] = {
      {"1\t森鴎外\t1909\t舞姫の研究\r\n2\t國語學會\t1950\tかな～カナ\n", "Shift-JIS"},
      {"\xEF\xBB\xBF" + records, "UTF-8（BOM付き）"},
      {records, "UTF-8"},
      {Utf16(records, false), "UTF-16LE"},
      {Utf16(records, true), "UTF-16BE"},
  };
  for (const TForm& form : forms) {
    Write(kDb, form.Bytes);
    ASSERT_EQ(Run({"--append", "鴎外", "", kDb}), kExitFound) << form.Encoding;
    ASSERT_EQ(Run({"--append", "--mode", "fold-kana", "国語", "カナ～", kDb}), kExitFound);
    const std::string text = Read(kText);
    EXPECT_NE(text.find(std::string("該当：1 件　文字コード：").append(form.Encoding)),
              std::string::npos)
        << form.Encoding;
  }
  const std::string text = Read(kText);
  EXPECT_EQ(Count(text, "該当：1 件　文字コード："), 10);
  EXPECT_EQ(Count(text, "\r\n1\t森〓外\t1909\t舞姫の研究\r\n"), 4);
  EXPECT_EQ(Count(text, "Shift-JIS にない文字：1 字（〓で表示）"), 4);
  EXPECT_EQ(Count(text, "\r\n2\t國語學會\t1950\tかな～カナ\r\n"), 5);
  const std::string html = Read(kHtml);
  EXPECT_EQ(Count(html, "<section>"), 10);
  EXPECT_EQ(Count(html, "<td>森<mark>&#x9DD7;外</mark></td>"), 4);
  EXPECT_EQ(Count(html, "<td><mark>國語</mark>學會</td>"), 5);
  EXPECT_EQ(Count(html, "<td><mark>かな&#x301C;</mark>カナ</td>"), 4);
#if !defined(_WIN32)
  EXPECT_EQ(std::system(("tidy -q -e --input-encoding shiftjis " + kHtml).c_str()), 0);
#endif
}

// A file read as UTF-8 that turns out to hold another encoding further on:
// the search goes on, and the results say that it may have missed records.
TEST_F(ZsfindApp, TextThatIsNotTheDetectedEncodingIsNoted) {
  std::string utf8, shiftJis;
  while (utf8.size() < 200000) utf8 += U(u8"研究\r\n");
  while (shiftJis.size() < 200000) shiftJis += "研究\r\n";
  for (const std::string& database : {utf8 + shiftJis, utf8 + U(u8"研究\xFF\r\n")}) {
    Write(kDb, database);
    EXPECT_EQ(Run({"研究", "", kDb}), kExitFound);
    for (const std::string& result : {Read(kText), Read(kHtml)}) {
      EXPECT_NE(result.find(std::string(zsmsg::kNote).append(zsmsg::kMalformed)),
                std::string::npos);
    }
  }
}

TEST_F(ZsfindApp, ListVariantsPrintsTheGroups) {
  std::ostringstream out, err;
  EXPECT_EQ(RunZsfind({"--list-variants"}, {std::nullopt, "", '/'}, out, err), kExitFound);
  for (const char* line : {"\n国 U+56F6 圀 國\n", "\n斎 齋\n", "\n鴎 U+9DD7\n", "\n高 髙\n"}) {
    EXPECT_NE(out.str().find(line), std::string::npos) << line;
  }
  EXPECT_EQ(out.str().find("\n斉 斎"), std::string::npos);
}

TEST_F(ZsfindApp, ForeignHtmlIsReplacedNotSpliced) {
  std::filesystem::create_directory(kDir + "/res");
  Write(kHtml, "<html><body>someone else's</body></html>\r\n");
  ASSERT_EQ(Run({"--append", "山田", "山田", kDb}), kExitFound);
  EXPECT_EQ(Read(kHtml).find("someone"), std::string::npos);
  EXPECT_EQ(Count(Read(kHtml), "<section>"), 1);
}

// Devices, and a pipe no one writes (the test makes it).
#if defined(_WIN32)
const std::vector<std::string> kDevices = {"NUL"};
#else
const std::vector<std::string> kDevices = {"/dev/null", kDir + "/pipe"};
#endif

struct TBadInput {
  const char* Name;
  std::vector<std::string> Args;
  std::optional<std::string> Raw;
  int Exit;
  std::string_view Problem;
};

TEST_F(ZsfindApp, BadInputLeavesAResultStatingTheProblem) {
  std::vector<TBadInput> cases = {
      {"missing database",
       {"a", "b", kDir + "/none.txt"},
       {},
       kExitDatabaseProblem,
       zsmsg::kDatabaseMissing},
      {"folder as database", {"a", "b", kDir}, {}, kExitDatabaseProblem, zsmsg::kDatabaseMissing},
      {"no words", {"", "", kDb}, {}, kExitBadRequest, zsmsg::kNoWord},
      {"no database", {"a", "b", ""}, {}, kExitBadRequest, zsmsg::kNoDatabase},
      {"broken word", {"a\x95", "b", kDb}, {}, kExitBadRequest, zsmsg::kBadWord},
      {"bad mode", {"--mode=fuzzy", "a", "b", kDb}, {}, kExitBadRequest, zsmsg::kBadMode},
      {"unknown option", {"--fast", "a", "b", kDb}, {}, kExitBadRequest, zsmsg::kBadOptions},
      {"two operands", {"a", kDb}, {}, kExitBadRequest, zsmsg::kBadOptions},
      {"split words",
       {"--script-args", "foo", "bar", "baz", kDb},
       {},
       kExitBadRequest,
       zsmsg::kTooManyArguments},
      {"quote in a word",
       {"--script-args", "a", "b", kDb, ""},
       "zsfind.exe --script-args \"a\"b\" \"b\" \"db.txt\" \"\"",
       kExitBadRequest,
       zsmsg::kQuoteInArguments},
  };
  for (const std::string& device : kDevices) {
    cases.push_back({"device", {"a", "b", device}, {}, kExitDatabaseProblem, zsmsg::kNotAFile});
  }
#if !defined(_WIN32)
  mkfifo(kDevices[1].c_str(), 0600);
#endif
  for (const TBadInput& c : cases) {
    std::filesystem::create_directories(kDir + "/res");
    Write(kText, "stale");
    Write(kHtml, "stale");
    EXPECT_EQ(Run(c.Args, c.Raw), c.Exit) << c.Name;
    for (const std::string& path : {kText, kHtml}) {
      const std::string result = Read(path);
      EXPECT_EQ(result.find("stale"), std::string::npos) << c.Name;
      EXPECT_NE(result.find(std::string(zsmsg::kProblem)), std::string::npos) << c.Name;
      EXPECT_NE(result.find(c.Problem.substr(0, 20)), std::string::npos) << c.Name;
    }
  }
}

TEST_F(ZsfindApp, AwkwardButValidInput) {
  const std::string japaneseDb = kDir + "/文献 データ 表.txt";
  // Through the narrow file calls: std::filesystem would convert the name.
  Write(japaneseDb, Read(kDb));
  struct TCase {
    const char* Name;
    std::vector<std::string> Args;
    std::optional<std::string> Raw;
    std::string Expected;  // in the text result
  };
  const std::vector<TCase> cases = {
      {"quoted database", {"山田", "", "\"" + kDb + "\""}, {}, "該当：1 件"},
      {"Japanese path with blanks", {"佐藤", "佐藤", japaneseDb}, {}, "該当：1 件"},
      {"cmd operators in a word", {"A&B <Co>", "^|", kDb}, {}, "該当：1 件"},
      {"second word alone", {"", "ガス", kDb}, {}, "検索語：「ガス」　"},
      {"script arguments",
       {"--script-args", "?", "?", "?", ""},
       "\"zsfind.exe\" --mode fold --script-args \"山田\" \"1987\" \"" + kDb + "\" \"\"",
       "該当：1 件"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(Run(c.Args, c.Raw), kExitFound) << c.Name;
    EXPECT_NE(Read(kText).find(c.Expected), std::string::npos) << c.Name << "\n" << Read(kText);
  }
}

TEST_F(ZsfindApp, UnwritableResultIsRemoved) {
  std::filesystem::create_directories(kDir + "/res");
  Write(kText, "stale");
  Write(kDir + "/blocker", "a file where a folder should be");
  std::ostringstream out, err;
  const int exit =
      RunZsfind({"--text-out", kText, "--html-out", kDir + "/blocker/out.htm", "山田", "山田", kDb},
                {std::nullopt, "", '/'}, out, err);
  EXPECT_EQ(exit, kExitCannotWrite);
  EXPECT_NE(Read(kText).find("該当：1 件"), std::string::npos);
  // Nothing is left beside the results either.
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kDir + "/res")) {
    files += entry.is_regular_file() ? 1 : 0;
  }
  EXPECT_EQ(files, 1u);
}

TEST(ZsfindScriptArgs, RawCommandLineShapes) {
  struct TCase {
    std::string Line;
    std::optional<std::vector<std::string>> Values;
  };
  using V = std::vector<std::string>;
  const std::vector<TCase> cases = {
      {"x --script-args \"a\" \"b\" \"c\" \"\"", V{"a", "b", "c", ""}},
      {"\"C:\\z s\\zsfind.exe\" --script-args  \"a b\"\t\"表\" \"C:\\x y\\z.txt\" \"\" ",
       V{"a b", "表", "C:\\x y\\z.txt", ""}},
      {"x --script-args \"a\"b\" \"c\"", std::nullopt},
      {"x --script-args \"a\" b", std::nullopt},
      {"x --script-args \"a\"\"b\"", std::nullopt},
      {"x --script-args \"a", std::nullopt},
      {"x --script-argsX \"a\"", std::nullopt},
      {"x \"--script-args\" \"a\"", std::nullopt},
  };
  for (const TCase& c : cases) EXPECT_EQ(ParseScriptArgs(c.Line), c.Values) << c.Line;
}

}  // namespace

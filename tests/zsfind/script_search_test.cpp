// The shipped search scripts and zsfind.exe, run under Wine the way the front
// end runs them: LaunchSearch with the Win32 platform starts the script in a
// private working folder, HOMEDRIVE points into it, and the shell open is
// recorded instead of starting a viewer.

#include "search/search_launcher.h"
#include "search/win32_search_platform.h"
#include "tests/support/wine_test_support.h"
#include "tests/zsfind/result_files.h"
#include "zsfind/messages.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using resultfiles::Count;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {

class TRecordingPlatform : public TWin32SearchPlatform {
 public:
  TRecordingPlatform()
      : TWin32SearchPlatform(
            nullptr,
            [] {
              MSG msg;
              while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            },
            [this](const std::string& text) { Messages.push_back(text); }) {}
  void OpenWithShell(const std::string& path) override { Opened.push_back(path); }

  std::vector<std::string> Opened;
  std::vector<std::string> Messages;
};

const std::string kRecords =
    "0001\t山田　太郎\t1987\t超伝導体の研究\r\n"
    "0002\t佐藤　花子\t1990\tｶﾞｽ分析と超伝導\r\n"
    "0003\tA&B <Co> ^| 100%\t2001\tガス超伝導\r\n"
    "0004\t表　能久\t2010\tソ連経済と foo bar\r\n";

class ScriptSearch : public ::testing::Test {
 protected:
  testsupport::TTempWorkFolder Work;
  std::string Drive = Work.Path() + "home";
  std::string TextResult = Drive + "\\temp\\out.txt";
  std::string HtmlResult = Drive + "\\temp\\out.htm";
  TRecordingPlatform Platform;

  void SetUp() override {
    for (const char* script : {"zsearch.bat", "zsearcha.bat", "zsfind-missing.txt"}) {
      ASSERT_TRUE(CopyFileA((std::string(ZS_DIST_DIR) + "/" + script).c_str(), script, FALSE));
    }
    ASSERT_TRUE(CopyFileA(ZSFIND_PATH, "zsfind.exe", FALSE));
    WriteFileBytes("data.txt", kRecords);
    WriteFileBytes("文献 データ表.txt", kRecords);
    SetEnvironmentVariableA("HOMEDRIVE", Drive.c_str());
  }
  void TearDown() override { SetEnvironmentVariableA("HOMEDRIVE", "C:"); }

  void Search(std::string w1, std::string w2, TWriteMode write = TWriteMode::Overwrite,
              std::string db = "data.txt", TSearchMode mode = TSearchMode::Text) {
    LaunchSearch({std::move(w1), std::move(w2), write, std::move(db), mode}, Platform);
  }
  std::string Text() const { return ReadFileBytes(TextResult); }
};

TEST_F(ScriptSearch, TextSearchOpensTheTextResult) {
  Search("超伝導", "ガス");
  EXPECT_EQ(Platform.Opened, std::vector<std::string>{TextResult});
  EXPECT_EQ(Text().rfind("検索語：「超伝導」「ガス」　データベース：data.txt", 0), 0u) << Text();
  EXPECT_NE(Text().find("該当：2 件"), std::string::npos);
  EXPECT_NE(Text().find("\r\n0002\t佐藤　花子\t1990\tｶﾞｽ分析と超伝導\r\n"), std::string::npos);
}

TEST_F(ScriptSearch, HtmlSearchOpensTheHtmlResult) {
  Search("山田", "", TWriteMode::Overwrite, "data.txt", TSearchMode::Html);
  EXPECT_EQ(Platform.Opened, std::vector<std::string>{HtmlResult});
  const std::string html = ReadFileBytes(HtmlResult);
  EXPECT_NE(html.find("<mark>山田</mark>"), std::string::npos);
  EXPECT_NE(html.find("<b>1 件"), std::string::npos);
}

TEST_F(ScriptSearch, WordsTheCommandInterpreterWouldReadAsOperators) {
  struct TCase {
    std::string Word1, Word2, Expected;
  };
  const std::vector<TCase> cases = {
      {"A&B", "<Co>", "該当：1 件"},
      {"^|", "100", "該当：1 件"},
      {"表", "ソ連", "該当：1 件"},         // both end in a 0x5C trail byte
      {"\"foo bar\"", "ソ", "該当：1 件"},  // a word with a blank, quoted in the field
  };
  for (const TCase& c : cases) {
    Search(c.Word1, c.Word2);
    EXPECT_NE(Text().find(c.Expected), std::string::npos) << c.Word1 << "\n" << Text();
  }
}

TEST_F(ScriptSearch, QuotedJapanesePathFromTheFileDialog) {
  Search("佐藤", "ｶﾞｽ", TWriteMode::Overwrite, "\"" + Work.Path() + "文献 データ表.txt\"");
  EXPECT_NE(Text().find("データベース：" + Work.Path() + "文献 データ表.txt"), std::string::npos)
      << Text();
  EXPECT_NE(Text().find("該当：1 件"), std::string::npos);
}

TEST_F(ScriptSearch, WordsComeWholeThroughTheEnvironment) {
  // A blank, comma or semicolon would split an argument; zsfind takes the
  // words from the variables the launcher set, whole.
  Search("foo bar", "ソ連経済と");
  EXPECT_NE(Text().find("検索語：「foo bar」「ソ連経済と」"), std::string::npos) << Text();
  EXPECT_NE(Text().find("該当：1 件"), std::string::npos);
  Search("A&B <Co>", "^| 100");
  EXPECT_NE(Text().find("該当：1 件"), std::string::npos) << Text();
}

TEST_F(ScriptSearch, RefusedWordsRunNothingAndLeaveTheResultAlone) {
  CreateDirectoryA(Drive.c_str(), nullptr);
  CreateDirectoryA((Drive + "\\temp").c_str(), nullptr);
  WriteFileBytes(TextResult, "stale");
  for (const char* word : {"a\"b", "a\"&b", "100%"}) {
    Search(word, "c");
    EXPECT_EQ(Text(), "stale") << word;
  }
  EXPECT_EQ(Platform.Messages.size(), 3u);
  EXPECT_TRUE(Platform.Opened.empty());
}

// The setting as a user edits it in the script: each comparison finds what
// it should of かな (hiragana) for カナ and ＡＢ for ab.
TEST_F(ScriptSearch, ComparisonSetInTheScript) {
  WriteFileBytes("data.txt", "1\tかなＡＢ\r\n2\tカナab\r\n3\tカナＡＢ\r\n");
  const std::string script = ReadFileBytes("zsearch.bat");
  const std::string setting = "set \"ZSFIND_MODE=fold\"";
  ASSERT_NE(script.find(setting), std::string::npos);
  const std::pair<const char*, const char*> cases[] = {
      {"fold", "該当：2 件"}, {"fold-kana", "該当：3 件"}, {"exact", "該当：1 件"}};
  for (const auto& [mode, expected] : cases) {
    std::string edited = script;
    edited.replace(edited.find(setting), setting.size(),
                   "set \"ZSFIND_MODE=" + std::string(mode) + "\"");
    WriteFileBytes("zsearch.bat", edited);
    Search("カナ", "ab");
    EXPECT_NE(Text().find(expected), std::string::npos) << mode << "\n" << Text();
  }
}

// A folder with the scripts but no zsfind.exe that starts (users who keep
// their databases elsewhere copy the scripts there): the results say so and
// where it was looked for, in place of the previous search's.
TEST_F(ScriptSearch, WithoutAZsfindThatStartsTheResultsSaySo) {
  const std::string place = "\"" + Work.Path() + "zsfind.exe\"\r\n";
  Search("超伝導", "");
  WriteFileBytes("zsfind.exe", "not a program");  // cannot start;
  DeleteFileA("zsfind-missing.txt");              // without the Japanese line: English
  Search("A&B", "", TWriteMode::Append, "data.txt", TSearchMode::Html);
  EXPECT_EQ(Text().find("検索語：「超伝導」"), 0u);
  EXPECT_NE(Text().find("did not start. Looked for:\r\n" + place), std::string::npos) << Text();
  EXPECT_EQ(Count(ReadFileBytes(HtmlResult), "<section>"), 2);
  DeleteFileA("zsfind.exe");  // missing, replacing, in Japanese
  ASSERT_TRUE(CopyFileA(ZS_DIST_DIR "/zsfind-missing.txt", "zsfind-missing.txt", FALSE));
  Search("A&B", "");
  EXPECT_EQ(Text(), ReadFileBytes("zsfind-missing.txt") + place + "\r\n");
  EXPECT_NE(ReadFileBytes(HtmlResult).find("<p class=e>&#12456;&#12521;&#12540;&#65306;"),
            std::string::npos);  // エラー：
  EXPECT_EQ(testsupport::RunToEnd("cmd.exe /c zsearch.bat a b data.txt"), 9);
}

TEST_F(ScriptSearch, AppendTwiceInARow) {
  Search("超伝導", "");
  Search("山田", "", TWriteMode::Append);
  Search("ガス", "", TWriteMode::Append, "data.txt", TSearchMode::Html);
  EXPECT_EQ(Count(Text(), "検索語："), 3);
  const std::string html = ReadFileBytes(HtmlResult);
  EXPECT_EQ(Count(html, "<section>"), 3);
  EXPECT_EQ(Count(html, "</html>"), 1);
  EXPECT_EQ(Platform.Opened.back(), HtmlResult);
}

}  // namespace

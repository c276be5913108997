// The shipped scripts and zsfind.exe behind the real program: a UTF-8
// database chosen with the file dialog is searched for a word pasted into the
// program (a variant form of what the record holds), and both results are
// written, found and opened; a device typed as the database and a folder
// without zsfind.exe give results that say so, never the previous ones.

#include "tests/support/real_input.h"
#include "tests/user/user_test_support.h"
#include "zsfind/messages.h"

using testsupport::ReadFileBytes;
using testsupport::WaitUntil;

namespace {

class ShippedSearchTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    for (const char* script : {"zsearch.bat", "zsearcha.bat"}) {
      ASSERT_TRUE(CopyFileA((std::string(ZS_DIST_DIR) + "/" + script).c_str(), script, FALSE));
    }
    ASSERT_TRUE(CopyFileA(ZSFIND_PATH, "zsfind.exe", FALSE));
    ASSERT_TRUE(CopyFileA(ZS_DIST_DIR "/zsfind-missing.txt", "zsfind-missing.txt", FALSE));
    // 森鷗外 (鷗 is U+9DD7, which code page 932 lacks) and 夏目漱石, in UTF-8
    // with a byte-order mark.
    testsupport::WriteFileBytes(Database,
                                "\xEF\xBB\xBF"
                                "1\t\xE6\xA3\xAE\xE9\xB7\x97\xE5\xA4\x96\t1909\r\n"
                                "2\t\xE5\xA4\x8F\xE7\x9B\xAE\xE6\xBC\xB1\xE7\x9F\xB3\t1905\r\n");
  }

  // Clicks the button and waits for the shell to open the result it names.
  std::string SearchAndOpen(const char* button, std::size_t opens, const char* result) const {
    ClickOn(Button(Main, button));
    const std::vector<std::string> opened = Opens(opens);
    EXPECT_EQ(opened.size(), opens);
    EXPECT_NE(opened.empty() ? std::string::npos : opened.back().find(result), std::string::npos);
    return ReadFileBytes(Work.Path() + "temp\\" + result);
  }
};

TEST_F(ShippedSearchTest, Utf8DatabaseChosenWithTheDialog) {
  ASSERT_NE(Start(), nullptr);
  ChooseDatabase();
  testsupport::SetClipboardText("鴎外");
  ClickOn(Field(0));
  ASSERT_TRUE(WaitUntil([&] { return Focus() == Field(0); }));
  testsupport::SendChord({VK_CONTROL, 'V'});
  ASSERT_TRUE(WaitUntil([&] { return testsupport::WindowText(Field(0)) == "鴎外"; }));

  const std::string text = SearchAndOpen("ﾃｷｽﾄ検索", 1, "out.txt");
  EXPECT_NE(text.find("該当：1 件　文字コード：UTF-8（BOM付き）　Shift-JIS にない文字：1 字"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\r\n1\t森〓外\t1909\r\n"), std::string::npos) << text;
  const std::string html = SearchAndOpen("html検索", 2, "out.htm");
  EXPECT_NE(html.find("<td>森<mark>&#x9DD7;外</mark></td>"), std::string::npos) << html;
}

TEST_F(ShippedSearchTest, DeviceOrMissingToolGivesAResultThatSaysSo) {
  ASSERT_NE(Start(), nullptr);
  TypeInto(Field(0), "x");
  const HWND edit = FindWindowExA(Combo(), nullptr, "Edit", nullptr);
  struct TCase {
    const char* Database;
    bool WithoutTool;
    std::string Expected;
  };
  // Wine opens no console for CON: its open fails, where Windows finds a
  // device; either way the result states a problem at once.
  const TCase cases[] = {
      {"NUL", false, std::string(zsmsg::kProblem).append(zsmsg::kNotAFile)},
      {"CON", false, std::string(zsmsg::kProblem)},
      {"zsdb.txt", true, testsupport::ReadFileBytes("zsfind-missing.txt")},
  };
  std::size_t opens = 0;
  for (const TCase& c : cases) {
    if (c.WithoutTool) {
      ASSERT_TRUE(DeleteFileA("zsfind.exe"));
    }
    ClickOn(edit);
    testsupport::SendChord({VK_END});
    testsupport::SendChord({VK_SHIFT, VK_HOME});
    testsupport::TypeText(c.Database);
    ASSERT_TRUE(WaitUntil([&] { return testsupport::WindowText(Combo()) == c.Database; }));
    const std::string text = SearchAndOpen("ﾃｷｽﾄ検索", ++opens, "out.txt");
    EXPECT_NE(text.find(c.Expected), std::string::npos) << c.Database << "\n" << text;
  }
}

}  // namespace

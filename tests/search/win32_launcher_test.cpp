// The search launcher on Win32 under Wine, for real: recording search scripts
// run by cmd in a private working folder, the real environment, and the shell
// open observed through a recorder program registered for .txt and .htm.

#include "search/command_line.h"
#include "search/search_launcher.h"
#include "search/win32_search_platform.h"
#include "tests/support/wine_test_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

using testsupport::ReadFileBytes;
using testsupport::ReadLines;
using testsupport::WriteFileBytes;

namespace {

// Writes the three arguments it receives, one a line, to args.txt (appending
// when ARGS_APPEND is set), then the result file under %HOMEDRIVE%\temp.
// Delayed expansion echoes the values without cmd reading them again.
std::string RecordingScript(const std::string& resultName, const std::string& extra = "") {
  return "@echo off\r\n"
         "setlocal DisableDelayedExpansion\r\n"
         "set \"w1=%~1\"\r\n"
         "set \"w2=%~2\"\r\n"
         "set \"db=%~3\"\r\n" +
         extra +
         "setlocal EnableDelayedExpansion\r\n"
         ">>args.txt echo !w1!\r\n"
         ">>args.txt echo !w2!\r\n"
         ">>args.txt echo !db!\r\n"
         "if not exist \"%HOMEDRIVE%\\temp\" mkdir \"%HOMEDRIVE%\\temp\"\r\n"
         ">\"%HOMEDRIVE%\\temp\\" +
         resultName + "\" echo result\r\n";
}

class Win32Launcher : public ::testing::Test {
 public:
  void Nested() { Search("inner", "", TWriteMode::Append, "data.txt", TSearchMode::Html); }

 protected:
  testsupport::TTempWorkFolder Work;
  std::string Drive = Work.Path().substr(0, Work.Path().size() - 1);
  std::string Log = Work.Path() + "opens.log";
  std::vector<std::string> Pumped;  // what the pump dispatched, by name
  TWin32SearchPlatform Platform{
      nullptr, [this] { Pump(); },
      [this](const std::string& text) { Pumped.push_back("message " + text); }};

  void SetUp() override {
    testsupport::RecordShellOpens(".txt", Log);
    testsupport::RecordShellOpens(".htm", Log);
    SetEnvironmentVariableA("HOMEDRIVE", Drive.c_str());
    WriteFileBytes("zsearch.bat", RecordingScript("out.txt"));
    WriteFileBytes("zsearcha.bat", RecordingScript("out.htm"));
  }
  void TearDown() override { SetEnvironmentVariableA("HOMEDRIVE", "C:"); }

  void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      Pumped.push_back("dispatch " + std::to_string(msg.message));
      DispatchMessageA(&msg);
    }
  }

  void Search(std::string w1, std::string w2, TWriteMode write = TWriteMode::Overwrite,
              std::string db = "data.txt", TSearchMode mode = TSearchMode::Text) {
    LaunchSearch({std::move(w1), std::move(w2), write, std::move(db), mode}, Platform);
  }
  std::vector<std::string> Args() const { return ReadLines(Work.Path() + "args.txt"); }
  // The shell's opens so far, once `expected` of them have been recorded;
  // with none expected, after giving a stray one time to show.
  std::vector<std::string> Opens(std::size_t expected) const {
    return testsupport::WaitForLines(Log, expected, expected == 0 ? 500 : 10000);
  }
  std::string Opened(const std::string& path) const {
    return std::string("\"") + ZS_RECORDER_PATH + "\" \"" + path + "\"";
  }
};

TEST_F(Win32Launcher, RunsInAJapaneseAnsiCodePage) { EXPECT_EQ(GetACP(), 932u); }

TEST_F(Win32Launcher, TextAndHtmlSearchesRunTheScriptAndOpenTheirResult) {
  Search("alpha", "beta");
  EXPECT_EQ(Args(), (std::vector<std::string>{"alpha", "beta", "data.txt"}));
  EXPECT_EQ(Opens(1), std::vector<std::string>{Opened(Drive + "\\temp\\out.txt")});

  Search("gamma", "", TWriteMode::Append, "番号順.txt", TSearchMode::Html);
  EXPECT_EQ(Args(), (std::vector<std::string>{"alpha", "beta", "data.txt", "gamma", "gamma",
                                              "番号順.txt"}));
  EXPECT_EQ(Opens(2).back(), Opened(Drive + "\\temp\\out.htm"));
}

TEST_F(Win32Launcher, HostileWordsReachTheScriptAsTypedAndStartNothingElse) {
  // No blanks: a blank splits a word into two arguments by design.
  const std::vector<std::string> words = {"a&echo>pwned1.txt",
                                          "b|echo>pwned2.txt",
                                          "c<d",
                                          "e>pwned3.txt",
                                          "f^g",
                                          "^^",
                                          "ポタ&表ソ能|纊",
                                          std::string(4000, 'w') + "&echo>pwned4.txt"};
  for (const auto& word : words) {
    DeleteFileA("args.txt");
    Search(word, "two", TWriteMode::Overwrite, "\"C:\\db dir\\x&y.txt\"");
    EXPECT_EQ(Args(), (std::vector<std::string>{word, "two", "C:\\db dir\\x&y.txt"}))
        << word.substr(0, 40);
  }
  // A quote opens a stretch in which cmd takes & literally; what follows the
  // closing quote is guarded again. Longer than cmd's 8191-character line: not
  // run at all.
  Search("x\"&echo>pwned5.txt", "");
  Search(std::string(8 * 1024, 'w') + "&echo>pwned6.txt", "");
  for (const char* pwned :
       {"pwned1.txt", "pwned2.txt", "pwned3.txt", "pwned4.txt", "pwned5.txt", "pwned6.txt"}) {
    EXPECT_FALSE(Win32FileExists(pwned)) << pwned;
  }
}

TEST_F(Win32Launcher, NothingRunsWithoutAScriptFileEvenWhenAFolderHasItsName) {
  DeleteFileA("zsearch.bat");
  CreateDirectoryA("zsearch.bat", nullptr);
  Search("alpha", "beta");
  EXPECT_TRUE(Args().empty());
  EXPECT_TRUE(Opens(0).empty());
  Search("", "");
  EXPECT_EQ(Pumped, std::vector<std::string>{"message 検索語を指定してください．"});
}

TEST_F(Win32Launcher, FailedStartStillOpensAnEarlierResult) {
  CreateDirectoryA((Drive + "\\temp").c_str(), nullptr);
  WriteFileBytes(Drive + "\\temp\\out.txt", "earlier\r\n");
  // Longer than any command line Windows can start.
  Search(std::string(40000, 'x'), "");
  EXPECT_TRUE(Args().empty());
  EXPECT_EQ(Opens(1), std::vector<std::string>{Opened(Drive + "\\temp\\out.txt")});
}

TEST_F(Win32Launcher, UnsetDriveLooksUnderTheCurrentDrivesRoot) {
  SetEnvironmentVariableA("HOMEDRIVE", nullptr);
  Search("alpha", "beta");
  // The shell hands the program the path resolved against the current drive.
  EXPECT_EQ(Opens(1), std::vector<std::string>{Opened("C:\\temp\\out.txt")});
  DeleteFileA("\\temp\\out.txt");
}

TEST_F(Win32Launcher, EnvironmentValuesOfAnyLengthAreReadWhole) {
  const std::string longValue(1000, 'v');
  SetEnvironmentVariableA("ZS_LONG", longValue.c_str());
  EXPECT_EQ(Platform.ReadEnvironment("ZS_LONG"), longValue);
  SetEnvironmentVariableA("ZS_LONG", std::string(30000, 'w').c_str());
  EXPECT_EQ(Platform.ReadEnvironment("ZS_LONG").size(), 30000u);
  EXPECT_EQ(Platform.ReadEnvironment("ZS_UNSET_VARIABLE"), "");
}

// A window whose first message starts a second search inside the first one's wait.
struct TNested {
  static inline Win32Launcher* Test = nullptr;
  static inline bool Done = false;
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_APP && !Done) {
      Done = true;
      Test->Nested();
      return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
  }
};

TEST_F(Win32Launcher, MessagesAreDispatchedWhileTheScriptRunsAndANestedSearchCompletes) {
  // The first script sleeps, so the wait must wake for the posted message.
  WriteFileBytes("zsearch.bat", RecordingScript("out.txt", "\"" ZS_SLEEP_PATH "\" 700\r\n"));
  WNDCLASSA wc{};
  wc.lpfnWndProc = TNested::Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ZsNestedSearch";
  RegisterClassA(&wc);
  HWND window = CreateWindowA("ZsNestedSearch", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, nullptr);
  TNested::Test = this;
  PostMessageA(window, WM_APP, 0, 0);
  Search("outer", "");
  DestroyWindow(window);

  EXPECT_TRUE(TNested::Done);
  // The nested search ran whole, result opened, before the outer one's script
  // had written its arguments.
  EXPECT_EQ(Args(),
            (std::vector<std::string>{"inner", "inner", "data.txt", "outer", "outer", "data.txt"}));
  EXPECT_EQ(Opens(2), (std::vector<std::string>{Opened(Drive + "\\temp\\out.htm"),
                                                Opened(Drive + "\\temp\\out.txt")}));
}

}  // namespace

// The search launcher on Win32 under Wine, for real: recording search scripts
// run by cmd in a private working folder, the real environment, and the shell
// open observed through a recorder program registered for .txt and .htm.
//
// What Wine cannot show: its cmd is not Windows' cmd. Its %~1 takes off every
// double quote, not only those at the ends; it replaces %NAME% even when a
// caret stands in the name, and it drops an undefined %NAME% where Windows
// keeps it; it runs a script without the cmd.exe /c "..." line Windows builds.
// Quoting, percent and caret behaviour that holds on Windows is proven on the
// model of cmd (launcher_test, fuzz_command_line); here the words that the
// launcher accepts are shown to arrive and the refused ones to start nothing.

#include "encoding/shift_jis.h"
#include "platform/file_exists.h"
#include "search/search_launcher.h"
#include "search/win32_search_platform.h"
#include "tests/search/cmd_model.h"
#include "tests/support/shift_jis_lead_bytes.h"
#include "tests/support/wine_test_support.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::ReadFileBytes;
using testsupport::ReadLines;
using testsupport::WriteFileBytes;

namespace {

// Writes the three arguments it receives, one a line, to args.txt, and the
// three variables the launcher sets to variables.txt; then the result file
// under %HOMEDRIVE%\temp. Delayed expansion echoes the values without cmd
// reading them again.
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
         ">>variables.txt echo !ZUNOSEEK_WORD1!\r\n"
         ">>variables.txt echo !ZUNOSEEK_WORD2!\r\n"
         ">>variables.txt echo !ZUNOSEEK_DATABASE!\r\n"
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
  std::vector<std::string> Variables() const { return ReadLines(Work.Path() + "variables.txt"); }
  // The shell's opens so far, once `expected` of them have been recorded;
  // with none expected, after giving a stray one time to show.
  std::vector<std::string> Opens(std::size_t expected) const {
    return testsupport::WaitForLines(Log, expected, expected == 0 ? 500 : 10000);
  }
  std::string Opened(const std::string& path) const {
    return std::string("\"") + ZS_RECORDER_PATH + "\" \"" + path + "\"";
  }
};

TEST_F(Win32Launcher, RunsInAJapaneseAnsiCodePage) {
  EXPECT_EQ(GetACP(), 932u);
  EXPECT_EQ(Platform.AnsiCodePage().LeadBytes, ShiftJisLeadBytes());
}

TEST_F(Win32Launcher, TextAndHtmlSearchesRunTheScriptAndOpenTheirResult) {
  Search("alpha", "beta");
  EXPECT_EQ(Args(), (std::vector<std::string>{"alpha", "beta", "data.txt"}));
  EXPECT_EQ(Opens(1), std::vector<std::string>{Opened(Drive + "\\temp\\out.txt")});

  Search("gamma", "", TWriteMode::Append, "\"C:\\番号 順.txt\"", TSearchMode::Html);
  EXPECT_EQ(Args(), (std::vector<std::string>{"alpha", "beta", "data.txt", "gamma", "gamma",
                                              "C:\\番号 順.txt"}));
  EXPECT_EQ(Opens(2).back(), Opened(Drive + "\\temp\\out.htm"));
  // The script's environment holds the fields as typed; the program's own
  // environment is as it was.
  EXPECT_EQ(Variables(), (std::vector<std::string>{"alpha", "beta", "data.txt", "gamma", "gamma",
                                                   "\"C:\\番号 順.txt\""}));
  for (const char* name : {"ZUNOSEEK_WORD1", "ZUNOSEEK_WORD2", "ZUNOSEEK_DATABASE"}) {
    EXPECT_EQ(GetEnvironmentVariableA(name, nullptr, 0), 0u) << name;
  }
}

TEST_F(Win32Launcher, HostileWordsReachTheScriptAsTypedAndStartNothingElse) {
  // No blanks: a blank splits a word into two arguments by design.
  const std::vector<std::string> words = {"a&echo>pwned1.txt",
                                          "b|echo>pwned2.txt",
                                          "c<d",
                                          "e>pwned3.txt",
                                          "f^g",
                                          "^^",
                                          "(h)",
                                          "ポタ&表ソ能|纊",
                                          std::string(4000, 'w') + "&echo>pwned4.txt"};
  for (const auto& word : words) {
    DeleteFileA("args.txt");
    DeleteFileA("variables.txt");
    Search(word, "two", TWriteMode::Overwrite, "\"C:\\db dir\\x&y.txt\"");
    EXPECT_EQ(Args(), (std::vector<std::string>{word, "two", "C:\\db dir\\x&y.txt"}))
        << word.substr(0, 40);
    EXPECT_EQ(Variables(), (std::vector<std::string>{word, "two", "\"C:\\db dir\\x&y.txt\""}));
  }
  for (const char* pwned : {"pwned1.txt", "pwned2.txt", "pwned3.txt", "pwned4.txt"}) {
    EXPECT_FALSE(Win32FileExists(pwned)) << pwned;
  }
}

TEST_F(Win32Launcher, RefusedRequestsStartNoScriptAndOpenNoResult) {
  CreateDirectoryA((Drive + "\\temp").c_str(), nullptr);
  WriteFileBytes(Drive + "\\temp\\out.txt", "earlier\r\n");
  SetEnvironmentVariableA("ZS_OPEN", "x&echo>pwned5.txt");
  struct TCase {
    std::string w1, db;
    TRefusal refusal;
  };
  const TCase cases[] = {
      {"a\"&echo>pwned1.txt", "data.txt", TRefusal::Quote},
      {"\"foo bar\"x&echo>pwned2.txt", "data.txt", TRefusal::Quote},
      {"a", "\"C:\\d.txt\"&echo>pwned3.txt", TRefusal::Quote},
      {"%ZS_OPEN%", "data.txt", TRefusal::Expansion},
      {"a", "d\r\necho>pwned4.txt", TRefusal::ControlCharacter},
      {"表\x83", "data.txt", TRefusal::BrokenCharacter},
      // A pair code page 932 does not define.
      {"\x85|echo>pwned7.txt", "data.txt", TRefusal::BrokenCharacter},
      // Within 8191 characters behind cmd.exe /c ", not behind the path of
      // the system's cmd.exe.
      {std::string(4075, 'w'), "data.txt", TRefusal::TooLong},
      // Two copies of the word: longer than cmd's 8191 characters.
      {std::string(4090, 'w') + "&echo>pwned6.txt", "data.txt", TRefusal::TooLong},
      // Longer than any command line Windows can start.
      {std::string(40000, 'x'), "data.txt", TRefusal::TooLong},
  };
  for (const TCase& c : cases) {
    Pumped.clear();
    Search(c.w1, "", TWriteMode::Overwrite, c.db);
    EXPECT_EQ(Pumped, std::vector<std::string>{"message " + std::string(RefusalMessage(c.refusal))})
        << c.w1.substr(0, 40);
  }
  EXPECT_TRUE(Args().empty());
  EXPECT_TRUE(Opens(0).empty());
  for (const char* pwned : {"pwned1.txt", "pwned2.txt", "pwned3.txt", "pwned4.txt", "pwned5.txt",
                            "pwned6.txt", "pwned7.txt"}) {
    EXPECT_FALSE(Win32FileExists(pwned)) << pwned;
  }
  SetEnvironmentVariableA("ZS_OPEN", nullptr);
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

TEST_F(Win32Launcher, FailedStartGivesNoChildAndPutsTheEnvironmentBack) {
  SetEnvironmentVariableA("ZUNOSEEK_WORD2", "");
  Platform.TakeStartupInfo();
  // Longer than any command line Windows can start.
  EXPECT_EQ(Platform.StartChild(std::string(40000, 'x'),
                                {{"ZUNOSEEK_WORD1", "a"}, {"ZUNOSEEK_WORD2", "b"}}),
            nullptr);
  EXPECT_EQ(GetEnvironmentVariableA("ZUNOSEEK_WORD1", nullptr, 0), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ENVVAR_NOT_FOUND));
  EXPECT_EQ(Platform.ReadEnvironment("ZUNOSEEK_WORD2"), "");
  EXPECT_EQ(GetEnvironmentVariableA("ZUNOSEEK_WORD2", nullptr, 0), 1u);  // still set, empty
  SetEnvironmentVariableA("ZUNOSEEK_WORD2", nullptr);
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
  // Each child took its own copy of the variables when it was made.
  EXPECT_EQ(Variables(),
            (std::vector<std::string>{"inner", "inner", "data.txt", "outer", "outer", "data.txt"}));
  EXPECT_EQ(Opens(2), (std::vector<std::string>{Opened(Drive + "\\temp\\out.htm"),
                                                Opened(Drive + "\\temp\\out.txt")}));
}

}  // namespace

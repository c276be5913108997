// The real zunoseek.exe, started in a working folder with a recording search
// script, on the program's own registry key.

#include "tests/support/dialog_watcher.h"
#include "tests/support/program_run.h"
#include "tests/support/wine_test_support.h"
#include "tests/ui/ui_test_support.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <psapi.h>

#include <string>
#include <vector>

namespace {

using testsupport::WindowClass;
using testsupport::WindowText;

constexpr const char* kCaption = "ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ";
const std::string kKey = "zsearch";

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::DeleteKey(kKey);
    testsupport::RecordShellOpens(".txt", Log);
    SetEnvironmentVariableA("HOMEDRIVE", Drive.c_str());
    testsupport::WriteFileBytes("zsearch.bat",
                                "@echo off\r\n>>args.txt echo %*\r\n"
                                "if not exist \"%HOMEDRIVE%\\temp\" mkdir \"%HOMEDRIVE%\\temp\"\r\n"
                                ">\"%HOMEDRIVE%\\temp\\out.txt\" echo result\r\n");
  }
  void TearDown() override {
    SetEnvironmentVariableA("HOMEDRIVE", "C:");
    uitest::DeleteKey(kKey);
  }

  void Start() { ASSERT_TRUE(Program.Start()); }
  HWND MainWindow() {
    return Program.WaitForWindow([](HWND w) { return WindowText(w) == kCaption; });
  }
  // The process's visible (or all) windows of the forms' class.
  int FormWindows(bool visibleOnly) {
    int count = 0;
    testsupport::FindProcessWindow(Program.Pid(), [&](HWND w) {
      count += WindowClass(w) == "TZunoseekForm" && (!visibleOnly || IsWindowVisible(w));
      return false;
    });
    return count;
  }
  bool Loaded(const std::string& library) {
    std::vector<HMODULE> modules(512);
    DWORD bytes = 0;
    EnumProcessModules(Program.Handle(), modules.data(),
                       static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &bytes);
    modules.resize(bytes / sizeof(HMODULE));
    for (HMODULE module : modules) {
      char name[MAX_PATH] = {};
      GetModuleBaseNameA(Program.Handle(), module, name, sizeof name);
      if (lstrcmpiA(name, library.c_str()) == 0) return true;
    }
    return false;
  }
  // A direct child of the main window, by class and caption or by place.
  HWND Child(HWND main, const char* cls, const std::string& text, POINT at = {}) {
    return testsupport::FindChildWindow(main, [&](HWND w) {
      if (GetParent(w) != main || lstrcmpiA(WindowClass(w).c_str(), cls) != 0) return false;
      if (!text.empty()) return WindowText(w) == text;
      const RECT r = uitest::RectInParent(w);
      return r.left == at.x && r.top == at.y;
    });
  }
  void Click(HWND main, HWND button) {
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  }
  // Closes the main window; the exit code once the program has ended.
  DWORD CloseAndWait(HWND main) {
    PostMessageA(main, WM_CLOSE, 0, 0);
    return Program.WaitForEnd();
  }

  testsupport::TTempWorkFolder Work;
  std::string Drive = Work.Path().substr(0, Work.Path().size() - 1);
  std::string Log = Work.Path() + "opens.log";
  testsupport::TProgramRun Program{ZS_PROGRAM_PATH};
};

}  // namespace

TEST_F(ProgramTest, SearchesAndKeepsItsListAcrossARestart) {
  Start();
  HWND main = MainWindow();
  ASSERT_NE(main, nullptr);
  RECT r;
  GetWindowRect(main, &r);
  EXPECT_EQ(r.left, 74);
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.right - r.left, 392);
  EXPECT_EQ(r.bottom - r.top, 425);

  HWND edit1 = Child(main, "Edit", "", {80, 24});
  HWND edit2 = Child(main, "Edit", "", {80, 56});
  ASSERT_NE(edit1, nullptr);
  ASSERT_NE(edit2, nullptr);
  SendMessageA(edit1, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ｱﾙﾌｧ"));
  SendMessageA(edit2, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("beta"));
  Click(main, Child(main, "Button", "ﾃｷｽﾄ検索"));
  const auto args = testsupport::WaitForLines(Work.Path() + "args.txt", 1);
  ASSERT_EQ(args.size(), 1u);
  EXPECT_EQ(args[0], "ｱﾙﾌｧ beta 番号順.txt");
  const auto opens = testsupport::WaitForLines(Log, 1);
  ASSERT_EQ(opens.size(), 1u);
  EXPECT_NE(opens[0].find(Drive + "\\temp\\out.txt"), std::string::npos);

  HWND combo = Child(main, "ComboBox", "", {24, 138});
  ASSERT_NE(combo, nullptr);
  SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("mine.txt"));
  Click(main, Child(main, "Button", "検索ﾃﾞｰﾀﾍﾞｰｽ設定・追加"));
  EXPECT_EQ(CloseAndWait(main), 0u);
  EXPECT_EQ(uitest::ReadValue(kKey, "RegCount"), "7");
  EXPECT_EQ(uitest::ReadValue(kKey, "FileName1"), "mine.txt");
  EXPECT_EQ(uitest::ReadValue(kKey, "FileName7"), "data.txt");
  // The command-line registry tool sees the same.
  EXPECT_EQ(testsupport::RunToEnd("reg.exe query HKCU\\zsearch\\Settings /v RegCount"), 0);

  Start();
  main = MainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(WindowText(Child(main, "ComboBox", "", {24, 138})), "mine.txt");
  EXPECT_EQ(CloseAndWait(main), 0u);
}

TEST_F(ProgramTest, NumberTypedCountShowsTheErrorBoxAndTheWindowStillOpens) {
  HKEY section;
  RegCreateKeyExA(HKEY_CURRENT_USER, "zsearch\\Settings", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &section, nullptr);
  const DWORD six = 6;
  RegSetValueExA(section, "RegCount", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&six),
                 sizeof six);
  RegCloseKey(section);

  Start();
  const testsupport::TDialogRecord box = testsupport::AnswerBoxOfProcess(Program.Pid(), 10000);
  ASSERT_NE(box.Box, nullptr);
  EXPECT_EQ(box.Text, "'RegCount' のデータ型が不正です.");
  EXPECT_EQ(box.Title, "zunoseek");
  EXPECT_NE(box.Icon, nullptr);
  HWND main = MainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(CloseAndWait(main), 0u);
  EXPECT_EQ(uitest::ReadValue(kKey, "RegCount"), "0");
}

TEST_F(ProgramTest, StartsWithoutTheWindowsAndLibrariesThatOnlyCommandsUse) {
  // The about window and the two viewers that start-up keeps hidden make no
  // window, and the shell, the file dialog, printing and Rich Edit are loaded
  // by the first command that uses them.
  testsupport::WriteFileBytes("helpzs.txt", "help\r\n");
  Start();
  HWND main = MainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(FormWindows(false), 1);
  const char* unused[] = {"shell32.dll",  "comdlg32.dll", "comctl32.dll",
                          "winspool.drv", "riched32.dll", "riched20.dll"};
  for (const char* library : unused) EXPECT_FALSE(Loaded(library)) << library;

  PostMessageA(main, WM_KEYDOWN, VK_F9, 0);  // a help viewer
  testsupport::WaitUntil([&] { return FormWindows(true) >= 2; });
  EXPECT_EQ(FormWindows(true), 2);
  EXPECT_TRUE(Loaded("riched32.dll"));
  EXPECT_EQ(CloseAndWait(main), 0u);
}

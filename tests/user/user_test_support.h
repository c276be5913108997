#pragma once
// The real zunoseek.exe as a user meets it: started in a work folder that
// holds recording search scripts, the two documents and a database file, on
// the program's own registry key, with the shell's opens recorded. The tests
// drive it with real input only and read what any other program can read:
// window texts and states, the registry, files, the screen.

#include "tests/support/program_run.h"
#include "tests/support/wine_test_support.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

constexpr const char* kMainCaption = "ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ";
constexpr const char* kHelpCaption = "ズノ文献ﾃﾞｰﾀﾍﾞｰｽ簡易検索ﾌﾟﾛｸﾞﾗﾑ ﾍﾙﾌﾟ";
constexpr const char* kReadmeCaption = "ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ Readme";
constexpr const char* kAboutCaption = "ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ by Ranel";
constexpr const char* kCloseButton = "閉じる(&C)";
constexpr const char* kPrintButton = "印刷(&P)";

// The Help menu, the fifth of the menu bar, and its items.
constexpr int kHelpMenu = 4;
constexpr int kHelpItem = 0, kReadmeItem = 1, kAboutItem = 3;

class UserTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the program; its main window, once shown (null when none came).
  HWND Start();
  // The program's visible top-level window with this caption, or null.
  HWND Window(const char* caption, int timeoutMs = 10000) const;
  HWND Button(HWND window, const std::string& caption) const;
  // The search-word fields, the upper one first.
  HWND Field(int index) const;
  HWND Combo() const;
  std::vector<std::string> ComboItems() const;
  // The control with the keyboard focus in the program, or null.
  HWND Focus() const;
  // The visible message box or file dialog of the program, or null.
  HWND Dialog(int timeoutMs = 10000) const;

  // Brings the control's window to the front and clicks the control's centre.
  void ClickOn(HWND control) const;
  // Opens the database list with its arrow and clicks the entry.
  void PickDatabase(const std::string& entry) const;
  // Clicks a field and types the text after what it holds.
  void TypeInto(HWND field, const std::string& text) const;
  // Opens the file dialog with its button and double-clicks the database
  // file; the database field then holds its path in double quotes.
  void ChooseDatabase() const;

  // The lines of the scripts' log ("zsearch alpha beta data.txt") and of the
  // shell's opens, once there are at least `count`; Forget empties both.
  std::vector<std::string> Searches(std::size_t count) const;
  std::vector<std::string> Opens(std::size_t count) const;
  void Forget() const;

  // The files that the print queue made of jobs with this title so far; then
  // whether a complete new one comes. Where the test command started no
  // queue (ZS_PRINT_OUT unset), there are none, and NewJobPrinted waits for
  // the box that reports that there is no printer instead, and answers it.
  std::vector<std::string> PrintJobs(const std::string& title) const;
  bool NewJobPrinted(const std::string& title, const std::vector<std::string>& before) const;

  testsupport::TTempWorkFolder Work;
  std::string Log = Work.Path() + "opens.log";
  std::string Database = Work.Path() + "zsdb.txt";
  testsupport::TProgramRun Program{ZS_PROGRAM_PATH};
  HWND Main = nullptr;
};

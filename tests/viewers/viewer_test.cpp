// The help and readme viewers in-process under Wine: reading RTF, plain,
// empty, missing and locked documents, and several viewers at once.

#include "platform/system_error.h"
#include "tests/viewers/viewer_test_support.h"
#include "viewers/rich_edit.h"

#include <richedit.h>

namespace {

std::string Line(HWND area, int index) {
  char buffer[512] = {};
  *reinterpret_cast<WORD*>(buffer) = sizeof buffer - 1;
  const auto length = SendMessageA(area, EM_GETLINE, index, reinterpret_cast<LPARAM>(buffer));
  std::string line(buffer, static_cast<std::size_t>(length));
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  return line;
}

CHARFORMATA FormatAt(HWND area, int position) {
  SendMessageA(area, EM_SETSEL, position, position + 1);
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  SendMessageA(area, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format;
}

RECT WindowRect(const TWinControl& control) {
  RECT r;
  GetWindowRect(control.Handle(), &r);
  return r;
}

TEST_F(ViewerTest, HelpInRtfIsShownFormattedCentredWithTheCloseButtonFocused) {
  testsupport::WriteFileBytes("helpzs.txt", ShippedDocument("helpzs.txt"));
  Command(ShowHelpWindow);
  const auto viewers = VisibleForms<TShowHelpForm>();
  ASSERT_EQ(viewers.size(), 1u);
  TShowHelpForm& viewer = *viewers[0];
  EXPECT_TRUE(Watcher.Dialogs().empty());
  EXPECT_EQ(WindowText(viewer.Handle()), "ズノ文献ﾃﾞｰﾀﾍﾞｰｽ簡易検索ﾌﾟﾛｸﾞﾗﾑ ﾍﾙﾌﾟ");
  const RECT r = WindowRect(viewer);
  EXPECT_EQ(r.right - r.left, 394);
  EXPECT_EQ(r.bottom - r.top, 529);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 394) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 529) / 2);
  EXPECT_EQ(GetForegroundWindow(), viewer.Handle());
  EXPECT_EQ(GetFocus(), viewer.BitBtnClose.Handle());

  const HWND area = viewer.RichEditShowHint.Handle();
  const std::string text = WindowText(area);
  EXPECT_EQ(text.find("\\rtf"), std::string::npos);
  EXPECT_EQ(text.find("ズノ文献データベース 簡易検索プログラム ヘルプ"), 0u);
  // 表 and ソ end in the byte 0x5C; escaped in the file, intact on screen.
  EXPECT_NE(text.find("二重引用符で囲んだフルパス"), std::string::npos);
  EXPECT_NE(text.find("ｺﾋﾟｰ(C)"), std::string::npos);
  EXPECT_TRUE(FormatAt(area, 0).dwEffects & CFE_BOLD);
  // Wider than the area: a horizontal scroll bar is never shown.
  EXPECT_FALSE(GetWindowLongA(area, GWL_STYLE) & WS_HSCROLL);
  EXPECT_TRUE(GetWindowLongA(area, GWL_STYLE) & ES_READONLY);
}

TEST_F(ViewerTest, PlainTextIsShownLineByLineInTheFixedPitchFontWhateverItsLineEnds) {
  for (const char* end : {"\n", "\r", "\r\n"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(end)));
    const std::string lines[] = {"表示テスト", "ソース ABC", "", "ｶﾀｶﾅ能"};
    std::string document;
    for (const std::string& line : lines) document += line + end;
    testsupport::WriteFileBytes("zreadme.txt", document);
    Command(ShowReadmeWindow);
    const auto viewers = VisibleForms<TShowReadmeForm>();
    ASSERT_FALSE(viewers.empty());
    TShowReadmeForm& viewer = *viewers[0];
    EXPECT_TRUE(Watcher.Dialogs().empty());
    EXPECT_EQ(WindowText(viewer.Handle()), "ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ Readme");
    const RECT r = WindowRect(viewer);
    EXPECT_EQ(r.right - r.left, 426);
    EXPECT_EQ(r.bottom - r.top, 539);
    const HWND area = viewer.RichEditShowArea.Handle();
    EXPECT_EQ(GetFocus(), area);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Line(area, i), lines[i]) << i;
    const CHARFORMATA format = FormatAt(area, 0);
    EXPECT_STREQ(format.szFaceName, "ＭＳ ゴシック");
    EXPECT_EQ(format.yHeight, 180);  // 12 pixels: 9 points
    EXPECT_EQ(format.bCharSet, SHIFTJIS_CHARSET);
    SendMessageA(viewer.Handle(), WM_CLOSE, 0, 0);
  }
}

TEST_F(ViewerTest, ControlsLieAsDesignedInTheirCreationAndTabOrder) {
  // A short help text and a readme longer than its area.
  testsupport::WriteFileBytes("helpzs.txt", "help\r\n");
  std::string longText;
  for (int i = 0; i < 100; ++i) longText += "readme\r\n";
  testsupport::WriteFileBytes("zreadme.txt", longText);
  Command(ShowHelpWindow);
  Command(ShowReadmeWindow);
  TShowHelpForm& help = *VisibleForms<TShowHelpForm>().at(0);
  TShowReadmeForm& readme = *VisibleForms<TShowReadmeForm>().at(0);
  struct Row {
    TWinControl& Control;
    const char* Caption;  // null for the text area
    RECT Rect;            // in the client area
  };
  const struct {
    const char* Name;
    TDocumentViewer& Viewer;
    std::vector<Row> Rows;  // in creation order, which is the tab order
  } viewers[] = {
      {"help",
       help,
       {{help.BitBtnClose, "閉じる(&C)", {280, 448, 379, 489}},
        {help.BitBtnPrint, "印刷(&P)", {8, 448, 97, 489}},
        {help.RichEditShowHint, nullptr, {8, 8, 377, 441}}}},
      {"readme",
       readme,
       {{readme.RichEditShowArea, nullptr, {8, 8, 409, 441}},
        {readme.BitBtnClose, "閉じる(&C)", {304, 456, 403, 497}},
        {readme.BitBtnPrintReadme, "印刷(&P)", {16, 456, 105, 497}}}},
  };
  for (const auto& v : viewers) {
    SCOPED_TRACE(v.Name);
    ASSERT_EQ(v.Viewer.Controls().size(), v.Rows.size());
    for (std::size_t i = 0; i < v.Rows.size(); ++i) {
      const Row& row = v.Rows[i];
      SCOPED_TRACE(i);
      EXPECT_EQ(v.Viewer.Controls()[i], &row.Control);
      EXPECT_EQ(row.Control.TabOrder(), static_cast<int>(i));
      EXPECT_TRUE(row.Control.TabStop());
      RECT r;
      GetWindowRect(row.Control.Handle(), &r);
      MapWindowPoints(nullptr, v.Viewer.Handle(), reinterpret_cast<POINT*>(&r), 2);
      EXPECT_TRUE(EqualRect(&r, &row.Rect))
          << r.left << "," << r.top << "," << r.right << "," << r.bottom;
      const HWND window = row.Control.Handle();
      if (row.Caption != nullptr) {
        EXPECT_EQ(WindowText(window), row.Caption);
        LOGFONTA font{};
        GetObjectA(row.Control.Font().Handle(), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, "ＭＳ Ｐゴシック");  // the window font
        EXPECT_EQ(font.lfHeight, -12);
        continue;
      }
      char name[32] = {};
      GetClassNameA(window, name, sizeof name);
      EXPECT_EQ(lstrcmpiA(name, "RICHEDIT"), 0) << name;
      // Read-only, wrapped, a vertical bar only while the text is longer than
      // the area, the selection hidden without the focus.
      const LONG style = GetWindowLongA(window, GWL_STYLE);
      EXPECT_EQ(style & (ES_READONLY | ES_MULTILINE), ES_READONLY | ES_MULTILINE);
      EXPECT_EQ((style & WS_VSCROLL) != 0, &v.Viewer == &readme);
      EXPECT_EQ(style & (ES_AUTOHSCROLL | WS_HSCROLL | ES_NOHIDESEL | ES_DISABLENOSCROLL), 0);
    }
  }
}

TEST_F(ViewerTest, EmptyDocumentOpensAnEmptyViewer) {
  testsupport::WriteFileBytes("helpzs.txt", "");
  Command(ShowHelpWindow);
  const auto viewers = VisibleForms<TShowHelpForm>();
  ASSERT_EQ(viewers.size(), 1u);
  EXPECT_EQ(WindowText(viewers[0]->RichEditShowHint.Handle()), "");
  EXPECT_TRUE(Watcher.Dialogs().empty());
}

TEST_F(ViewerTest, MissingDocumentShowsTheMessageAndNoWindowUntilItIsThere) {
  const struct {
    void (*Open)();
    const char* File;
    const char* Message;
  } cases[] = {{ShowHelpWindow, "helpzs.txt", "ヘルプファイルが見つかりません．"},
               {ShowReadmeWindow, "zreadme.txt", "Readmeファイルが見つかりません．"}};
  CreateDirectoryA("zreadme.txt", nullptr);  // a folder of that name is no document
  for (const auto& c : cases) {
    const std::size_t seen = Watcher.Dialogs().size();
    Command(c.Open);
    ASSERT_EQ(BoxTexts(Watcher, seen), std::vector<std::string>{c.Message}) << c.File;
    EXPECT_EQ(Watcher.Dialogs()[seen].Title, App.Title());
    EXPECT_EQ(Watcher.Dialogs()[seen].Icon, nullptr);
    EXPECT_TRUE(VisibleForms<TDocumentViewer>().empty()) << c.File;
  }
  RemoveDirectoryA("zreadme.txt");
  const std::size_t seen = Watcher.Dialogs().size();
  for (const auto& c : cases) {
    testsupport::WriteFileBytes(c.File, "now here\r\n");
    Command(c.Open);
  }
  EXPECT_EQ(Watcher.Dialogs().size(), seen);
  EXPECT_EQ(VisibleForms<TDocumentViewer>().size(), 2u);
}

TEST_F(ViewerTest, DocumentLockedForWritingShowsTheOpenErrorAndAnEmptyViewer) {
  // The viewer is shown, active and focused before the document is read.
  std::vector<TShowHelpForm*> shownAtTheError;
  HWND focusAtTheError = nullptr;
  testsupport::TDialogWatcher watcher([&](HWND box) {
    shownAtTheError = VisibleForms<TShowHelpForm>();
    focusAtTheError = GetFocus();
    testsupport::PressOk(box);
  });
  testsupport::WriteFileBytes("helpzs.txt", "locked\r\n");
  const HANDLE writer = CreateFileA("helpzs.txt", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  Command(ShowHelpWindow);
  CloseHandle(writer);
  ASSERT_EQ(watcher.Dialogs().size(), 1u);
  ASSERT_EQ(shownAtTheError.size(), 1u);
  EXPECT_EQ(focusAtTheError, shownAtTheError[0]->BitBtnClose.Handle());
  // The full path, the system's reason, and the error box's full stop.
  EXPECT_EQ(watcher.Dialogs()[0].Text, "ファイル \"" + Folder.Path() + "helpzs.txt\". " +
                                           SystemErrorText(ERROR_SHARING_VIOLATION) +
                                           " は開けません.");
  EXPECT_EQ(watcher.Dialogs()[0].Icon, testsupport::StopIcon());
  const auto viewers = VisibleForms<TShowHelpForm>();
  ASSERT_EQ(viewers.size(), 1u);
  EXPECT_EQ(WindowText(viewers[0]->RichEditShowHint.Handle()), "");
}

TEST_F(ViewerTest, TwoViewersLieOnTopOfEachOtherAndClosingOnlyHides) {
  testsupport::WriteFileBytes("helpzs.txt", "one\r\n");
  Command(ShowHelpWindow);
  Command(ShowHelpWindow);
  auto viewers = VisibleForms<TShowHelpForm>();
  ASSERT_EQ(viewers.size(), 2u);
  const RECT upper = WindowRect(*viewers[0]), lower = WindowRect(*viewers[1]);
  EXPECT_TRUE(EqualRect(&upper, &lower));
  TShowHelpForm* top = viewers[0];
  top->BitBtnClose.Click();
  PumpFor(100);
  EXPECT_TRUE(IsWindow(top->Handle()));
  EXPECT_FALSE(IsWindowVisible(top->Handle()));
  viewers = VisibleForms<TShowHelpForm>();
  ASSERT_EQ(viewers.size(), 1u);
  EXPECT_NE(viewers[0], top);
  SendMessageA(viewers[0]->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(VisibleForms<TShowHelpForm>().empty());
}

}  // namespace

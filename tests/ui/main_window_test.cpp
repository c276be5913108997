// The main window in process: layout, start and end, the list commands, the
// edit and clear commands, the tool and home-page commands, the file dialog.

#include "product/identity.h"
#include "tests/ui/main_window_fixture.h"
#include "widgets/app_text.h"

#include <functional>
#include <vector>

using uitest::ReadValue;
using uitest::Settle;

namespace {

std::string ModulePath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

// Run once by a timer of a dialog's own message loop.
std::function<void()> AnswerLater;
void CALLBACK RunAnswerLater(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  AnswerLater();
}

LOGFONTA FontOf(HWND window) {
  LOGFONTA lf{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return lf;
}

std::string MenuText(HMENU menu, int position) {
  char text[256] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

}  // namespace

TEST_F(MainWindowTest, WindowAndControlsAreLaidOutAsDesigned) {
  EXPECT_EQ(WindowText(Form->Handle()), "ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ");
  RECT outer;
  GetWindowRect(Form->Handle(), &outer);
  EXPECT_EQ(outer.left, 74);
  EXPECT_EQ(outer.top, 50);
  EXPECT_EQ(outer.right - outer.left, 392);
  EXPECT_EQ(outer.bottom - outer.top, 425);
  EXPECT_EQ(GetWindowLongA(Form->Handle(), GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);

  struct Row {
    TWinControl& Control;
    std::string Caption;
    RECT Rect;
    const char* Face;
    int Height;
  };
  const std::vector<Row> rows = {
      {Form->GroupBox1, "検索語", {16, 8, 369, 89}, "ＭＳ Ｐゴシック", 13},
      {Form->BitBtn1, "閉じる(&C)", {24, 312, 361, 364}, "ＭＳ Ｐゴシック", 13},
      {Form->Edit1, "", {80, 24, 265, 48}, "ＭＳ ゴシック", 16},
      {Form->Button1, "ﾃｷｽﾄ検索", {24, 240, 185, 297}, "ＭＳ Ｐゴシック", 13},
      {Form->Button3, "検索語 1 ｸﾘｱ", {272, 24, 361, 49}, "ＭＳ Ｐゴシック", 13},
      {Form->Button4, "html検索", {200, 240, 361, 297}, "ＭＳ Ｐゴシック", 13},
      {Form->Edit2, "", {80, 56, 265, 80}, "ＭＳ ゴシック", 16},
      {Form->Button5, "検索語 2 ｸﾘｱ", {272, 56, 361, 81}, "ＭＳ Ｐゴシック", 13},
      {Form->Button2, "検索ﾃﾞｰﾀﾍﾞｰｽ設定・追加", {24, 168, 257, 201}, "ＭＳ Ｐゴシック", 12},
      {Form->Button6, "削除", {264, 168, 361, 201}, "ＭＳ Ｐゴシック", 12},
      {Form->Uwagaki, "検索結果の上書き", {32, 216, 161, 233}, "ＭＳ Ｐゴシック", 12},
      {Form->OpenFile, "ﾌｧｲﾙ選択", {264, 96, 361, 129}, "ＭＳ Ｐゴシック", 12},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Caption);
    EXPECT_EQ(WindowText(row.Control.Handle()), row.Caption);
    const RECT r = uitest::RectInParent(row.Control.Handle());
    EXPECT_EQ(r.left, row.Rect.left);
    EXPECT_EQ(r.top, row.Rect.top);
    EXPECT_EQ(r.right, row.Rect.right);
    EXPECT_EQ(r.bottom, row.Rect.bottom);
    const LOGFONTA lf = FontOf(row.Control.Handle());
    EXPECT_STREQ(lf.lfFaceName, row.Face);
    EXPECT_EQ(lf.lfHeight, -row.Height);
    EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
  }
  RECT combo;
  SendMessageA(Form->ComboBox1.Handle(), CB_GETDROPPEDCONTROLRECT, 0,
               reinterpret_cast<LPARAM>(&combo));
  const RECT comboField = uitest::RectInParent(Form->ComboBox1.Handle());
  EXPECT_EQ(comboField.left, 24);
  EXPECT_EQ(comboField.top, 138);
  EXPECT_EQ(comboField.right, 361);
  EXPECT_GE(combo.bottom - combo.top, 20 * 13);  // the dropped list
  EXPECT_TRUE(Form->Uwagaki.Checked());
}

TEST_F(MainWindowTest, ControlsAreMadeInOrderWithTheirTabOrderFontsAndWindowlessParts) {
  std::vector<TControl*> made = {&Form->Bevel1,  &Form->Label5,  &Form->Bevel2,  &Form->GroupBox1,
                                 &Form->BitBtn1, &Form->Edit1,   &Form->Button1, &Form->Button3,
                                 &Form->Button4, &Form->Edit2,   &Form->Button5, &Form->ComboBox1,
                                 &Form->Button2, &Form->Button6, &Form->Uwagaki, &Form->OpenFile};
  EXPECT_EQ(Form->Controls(), made);
  made = {&Form->Label3, &Form->Label4};
  EXPECT_EQ(Form->GroupBox1.Controls(), made);

  const std::pair<const TWinControl*, int> tabOrder[] = {
      {&Form->Edit1, 0},   {&Form->Edit2, 1},   {&Form->ComboBox1, 2}, {&Form->Button2, 3},
      {&Form->Button6, 4}, {&Form->Uwagaki, 5}, {&Form->Button1, 6},   {&Form->Button4, 7},
      {&Form->Button3, 8}, {&Form->Button5, 9}, {&Form->BitBtn1, 10},  {&Form->OpenFile, 12}};
  for (const auto& [control, order] : tabOrder) {
    EXPECT_EQ(control->TabOrder(), order) << WindowText(control->Handle());
    EXPECT_TRUE(control->TabStop()) << WindowText(control->Handle());
  }
  EXPECT_FALSE(Form->GroupBox1.TabStop());

  // The windowless ones, in their parent's client area; labels size
  // themselves to their text and keep their corner.
  const struct {
    const TControl& Control;
    const char* Caption;
    RECT Rect;
  } windowless[] = {
      {Form->Bevel1, "", {8, 0, 377, 305}},
      {Form->Bevel2, "", {16, 208, 369, 297}},
      {Form->Label5, "検索ﾃﾞｰﾀﾍﾞｰｽ名", {24, 104, 0, 0}},
      {Form->Label3, "検索語 1", {8, 24, 0, 0}},
      {Form->Label4, "検索語 2", {8, 56, 0, 0}},
  };
  for (const auto& w : windowless) {
    SCOPED_TRACE(w.Caption);
    const RECT& r = w.Control.BoundsRect();
    EXPECT_EQ(w.Control.Caption(), w.Caption);
    EXPECT_EQ(r.left, w.Rect.left);
    EXPECT_EQ(r.top, w.Rect.top);
    if (w.Rect.right != 0) {
      EXPECT_EQ(r.right, w.Rect.right);
      EXPECT_EQ(r.bottom, w.Rect.bottom);
    } else {
      const TFontAttributes& font = w.Control.Font().Attributes();
      EXPECT_EQ(font.Name, "ＭＳ Ｐゴシック");
      EXPECT_EQ(font.Height, 13);
      EXPECT_EQ(font.Charset, SHIFTJIS_CHARSET);
      EXPECT_EQ(font.Color, kColorWindowText);
      EXPECT_EQ(font.Style, 0);
    }
  }

  const TFontAttributes& windowFont = Form->Font().Attributes();
  EXPECT_EQ(windowFont.Name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(windowFont.Height, 12);
  EXPECT_EQ(windowFont.Charset, SHIFTJIS_CHARSET);
  EXPECT_EQ(windowFont.Color, kColorWindowText);
  EXPECT_EQ(windowFont.Style, 0);
  const LOGFONTA combo = FontOf(Form->ComboBox1.Handle());
  EXPECT_STREQ(combo.lfFaceName, "ＭＳ Ｐゴシック");
  EXPECT_EQ(combo.lfHeight, -13);
}

TEST_F(MainWindowTest, MenuBarCarriesEveryCaptionAndShortcut) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> menus = {
      {"ﾌｧｲﾙ(&F)",
       {"全検索語 消去(&N)\tEsc", "検索語 1 消去\tCtrl+1", "検索語 2 消去\tCtrl+2", "",
        "検索ﾃﾞｰﾀﾍﾞｰｽﾌｧｲﾙ選択", "", "終了(&X)"}},
      {"検索(&S)", {"ﾃｷｽﾄ検索(&R)", "html検索"}},
      {"編集(&E)",
       {"元に戻す(&U)\tCtrl+Z", "", "切り取り(&T)\tCtrl+X", "ｺﾋﾟｰ(&C)\tCtrl+C",
        "貼り付け(&P)\tCtrl+V", "", "ｸﾘｱ(&A)\tEsc", "すべて選択(&L)\tCtrl+A"}},
      {"ﾂｰﾙ(&T)", {"機能呼び出しﾌﾟﾛｸﾞﾗﾑ"}},
      {"ﾍﾙﾌﾟ(&H)",
       {"簡易検索ﾌﾟﾛｸﾞﾗﾑ ﾍﾙﾌﾟ(&H)\tF9", "簡易検索ﾌﾟﾛｸﾞﾗﾑについて\tF10", "",
        "簡易検索ﾌﾟﾛｸﾞﾗﾑ ﾎｰﾑﾍﾟｰｼﾞ", "", "ﾊﾞｰｼﾞｮﾝ情報(&A)"}},
  };
  HMENU bar = GetMenu(Form->Handle());
  ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(menus.size()));
  for (int m = 0; m < static_cast<int>(menus.size()); ++m) {
    EXPECT_EQ(MenuText(bar, m), menus[m].first);
    HMENU popup = GetSubMenu(bar, m);
    ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(menus[m].second.size()));
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
      const std::string& caption = menus[m].second[static_cast<std::size_t>(i)];
      EXPECT_EQ(MenuText(popup, i), caption);
      const UINT state = GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION);
      if (caption.empty()) {
        EXPECT_TRUE(state & MF_SEPARATOR);
      } else {
        EXPECT_EQ(state & (MF_GRAYED | MF_CHECKED), 0u) << caption;
      }
    }
  }
}

TEST_F(MainWindowTest, FirstStartShowsDefaultsAndTheEndSavesThem) {
  EXPECT_EQ(Form->ComboBox1.Text(), "番号順.txt");
  const std::vector<std::string> defaults = {"番号順.txt", "著者名.txt", "年代順.txt",
                                             "分類順.txt", "論文名.txt", "data.txt"};
  EXPECT_EQ(Form->ComboBox1.Items(), defaults);
  EXPECT_EQ(GetFocus(), Form->Edit1.Handle());
  EXPECT_EQ(ReadValue(Key, "RegCount"), "<missing>");  // nothing saved before the end

  App->DestroyForms();
  EXPECT_EQ(ReadValue(Key, "RegCount"), "6");
  for (std::size_t i = 0; i < defaults.size(); ++i) {
    EXPECT_EQ(ReadValue(Key, "FileName" + std::to_string(i + 1)), defaults[i]);
  }
}

TEST_F(MainWindowTest, SetAddDeleteAndTheirFieldText) {
  Form->ComboBox1.SetText("論文名.txt");
  Form->Button2.Click();
  EXPECT_EQ(Form->ComboBox1.Items().front(), "論文名.txt");
  EXPECT_EQ(Form->ComboBox1.Items().size(), 6u);
  EXPECT_EQ(Form->ComboBox1.Text(), "論文名.txt");

  Form->ComboBox1.SetText("new.txt");
  Form->Button2.Click();
  EXPECT_EQ(Form->ComboBox1.Items().size(), 7u);

  Form->ComboBox1.SetText("nothing such");
  Form->Button6.Click();
  EXPECT_EQ(Form->ComboBox1.Items().size(), 7u);
  EXPECT_EQ(Form->ComboBox1.Text(), "new.txt");  // the first entry replaces the typed text

  Form->ComboBox1.SetText("new.txt");
  Form->Button6.Click();
  EXPECT_EQ(Form->ComboBox1.Items().front(), "論文名.txt");
  App->DestroyForms();
  EXPECT_EQ(ReadValue(Key, "RegCount"), "6");
  EXPECT_EQ(ReadValue(Key, "FileName1"), "論文名.txt");
}

TEST_F(MainWindowTest, ClearCommandsEmptyTheFieldsAndTheirUndo) {
  testsupport::SetClipboardText("kept");
  Fill("alpha", "beta");
  Form->Button3.Click();
  EXPECT_EQ(Form->Edit1.Text(), "");
  EXPECT_EQ(Form->Edit2.Text(), "beta");
  Form->Edit1.Undo();
  EXPECT_EQ(Form->Edit1.Text(), "");  // a clear leaves nothing to undo
  Form->Button5.Click();
  EXPECT_EQ(Form->Edit2.Text(), "");
  EXPECT_EQ(testsupport::ClipboardText(), "kept");

  Fill("alpha", "beta");
  ChooseMenu("Clear1");
  EXPECT_EQ(Form->Edit1.Text(), "");
  EXPECT_EQ(Form->Edit2.Text(), "");
  EXPECT_EQ(testsupport::ClipboardText(), "beta");
  Form->Edit1.Undo();
  EXPECT_EQ(Form->Edit1.Text(), "alpha");  // Clear1 cuts, which undo takes back
}

TEST_F(MainWindowTest, EditCommandsActOnlyOnTheFocusedSearchField) {
  Fill("alpha", "beta");
  testsupport::SetClipboardText("kept");
  Form->Edit2.SetFocus();
  ChooseMenu("SelectAll1");
  ChooseMenu("Copy2");
  EXPECT_EQ(testsupport::ClipboardText(), "beta");
  ChooseMenu("Cut2");
  EXPECT_EQ(Form->Edit2.Text(), "");
  ChooseMenu("Undo2");
  EXPECT_EQ(Form->Edit2.Text(), "beta");
  Form->Edit1.SetFocus();
  ChooseMenu("SelectAll1");
  ChooseMenu("Paste2");
  EXPECT_EQ(Form->Edit1.Text(), "beta");

  testsupport::SetClipboardText("kept");
  Form->ComboBox1.SetFocus();
  for (const char* item : {"SelectAll1", "Copy2", "Cut2", "Paste2", "Undo2"}) ChooseMenu(item);
  EXPECT_EQ(testsupport::ClipboardText(), "kept");
  EXPECT_EQ(Form->ComboBox1.Text(), "番号順.txt");
  EXPECT_EQ(Form->Edit1.Text(), "beta");
  EXPECT_EQ(Form->Edit2.Text(), "beta");
}

TEST_F(MainWindowTest, ToolCommandOpensZunodataOrSaysItIsMissing) {
  HWND main = Form->Handle();
  ChooseMenu("N7");
  ASSERT_EQ(Boxes.Dialogs().size(), 1u);
  const auto& box = Boxes.Dialogs()[0];
  EXPECT_EQ(box.Text, "機能呼び出しプログラムが見つかりません．");
  EXPECT_EQ(box.Title, ApplicationTitle(ModulePath()));
  EXPECT_EQ(box.Icon, nullptr);
  EXPECT_EQ(box.Owner, main);
  EXPECT_FALSE(box.OwnerEnabled);
  const int boxCentreX = (box.Rect.left + box.Rect.right) / 2;
  const int boxCentreY = (box.Rect.top + box.Rect.bottom) / 2;
  EXPECT_NEAR(boxCentreX, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR(boxCentreY, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  EXPECT_TRUE(IsWindowEnabled(main));

  const std::string log = Work.Path() + "opens.log";
  SetEnvironmentVariableA("ZS_RECORD_LOG", log.c_str());
  ASSERT_TRUE(CopyFileA(ZS_RECORDER_PATH, "zunodata.exe", FALSE));
  ChooseMenu("N7");
  const auto lines = testsupport::WaitForLines(log, 1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("zunodata.exe"), std::string::npos);
  EXPECT_EQ(Boxes.Dialogs().size(), 1u);
}

TEST_F(MainWindowTest, RefusedSearchSaysWhyInThePlainBoxAndRunsNothing) {
  testsupport::WriteFileBytes("zsearch.bat", "@echo off\r\n>>args.txt echo %*\r\n");
  Fill("a\"&echo>pwned.txt", "");
  ChooseMenu("N6");
  ASSERT_EQ(Boxes.Dialogs().size(), 1u);
  const auto& box = Boxes.Dialogs()[0];
  EXPECT_EQ(box.Text,
            "検索語とデータベース名には、全体を囲む一組のほかに二重引用符（\"）を使えません．");
  EXPECT_EQ(box.Title, ApplicationTitle(ModulePath()));
  EXPECT_EQ(box.Icon, nullptr);
  EXPECT_EQ(box.Owner, Form->Handle());
  EXPECT_FALSE(box.OwnerEnabled);
  EXPECT_TRUE(testsupport::ReadLines("args.txt").empty());
  EXPECT_TRUE(testsupport::ReadLines("pwned.txt").empty());
}

TEST_F(MainWindowTest, HomePageCommandOpensTheAddress) {
  const std::string log = Work.Path() + "opens.log";
  testsupport::RecordUrlOpens("http", log);
  ChooseMenu("Web2");
  const auto lines = testsupport::WaitForLines(log, 1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(kHomePage), std::string::npos);
}

TEST_F(MainWindowTest, FileDialogPutsTheQuotedPathAndStartsFromTheLastChoice) {
  struct TSeen {
    std::string InitialName;
    bool ReadOnlyBoxShown;
    bool Sizeable;
    LRESULT FileTypes;
  };
  std::vector<TSeen> seen;
  std::string answer;
  testsupport::TDialogWatcher chooser([&](HWND box) {
    AnswerLater = [&, box] {
      // The explorer dialog's file name field, read-only box and file-type list.
      HWND name = GetDlgItem(box, 0x47C);
      if (name == nullptr) name = GetDlgItem(box, 0x480);
      seen.push_back({WindowText(name), IsWindowVisible(GetDlgItem(box, 0x410)) != FALSE,
                      (GetWindowLongA(box, GWL_STYLE) & WS_THICKFRAME) != 0,
                      SendMessageA(GetDlgItem(box, 0x470), CB_GETCOUNT, 0, 0)});
      SetWindowTextA(name, answer.c_str());
      testsupport::PressOk(box);
    };
    // Read and answered once the dialog has finished setting itself up.
    SetTimer(nullptr, 0, 200, RunAnswerLater);
  });
  // A file that does not exist, in a folder that does not either, is taken.
  answer = "C:\\db\\x.txt";
  Form->OpenFile.Click();
  EXPECT_EQ(Form->ComboBox1.Text(), "\"C:\\db\\x.txt\"");
  EXPECT_EQ(Form->ComboBox1.Items().size(), 6u);
  // 260 bytes with the terminating zero: a longer path fails and changes nothing.
  answer = "C:\\" + std::string(256, 'a') + ".txt";
  ChooseMenu("N2");
  EXPECT_EQ(Form->ComboBox1.Text(), "\"C:\\db\\x.txt\"");
  CreateDirectoryA("sub", nullptr);
  answer = Work.Path() + "sub\\y.txt";
  ChooseMenu("N2");
  EXPECT_EQ(Form->ComboBox1.Text(), "\"" + answer + "\"");

  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].InitialName, "");
  // The platform starts in the folder of the last path chosen and shows its
  // name; the failed choice is not kept.
  EXPECT_NE(seen[1].InitialName.find("x.txt"), std::string::npos);
  EXPECT_NE(seen[2].InitialName.find("x.txt"), std::string::npos);
  for (const TSeen& s : seen) {
    EXPECT_FALSE(s.ReadOnlyBoxShown);
    EXPECT_TRUE(s.Sizeable);
    EXPECT_LE(s.FileTypes, 0);  // no filter
  }
}

TEST_F(MainWindowTest, ResizingLeavesEveryControlInPlace) {
  const RECT before = uitest::RectInParent(Form->Button4.Handle());
  ShowWindow(Form->Handle(), SW_MAXIMIZE);
  Settle();
  const RECT after = uitest::RectInParent(Form->Button4.Handle());
  EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(MainWindowTest, ClosingDuringASearchEndsAfterTheResultIsOpened) {
  const std::string drive = Work.Path().substr(0, Work.Path().size() - 1);
  const std::string log = Work.Path() + "opens.log";
  testsupport::RecordShellOpens(".txt", log);
  SetEnvironmentVariableA("HOMEDRIVE", drive.c_str());
  testsupport::WriteFileBytes("zsearch.bat",
                              "@echo off\r\n\"" ZS_SLEEP_PATH
                              "\" 700\r\n"
                              "if not exist \"%HOMEDRIVE%\\temp\" mkdir \"%HOMEDRIVE%\\temp\"\r\n"
                              ">\"%HOMEDRIVE%\\temp\\out.txt\" echo result\r\n");
  Fill("alpha", "");
  PostMessageA(Form->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
               reinterpret_cast<LPARAM>(Form->Button1.Handle()));
  PostMessageA(Form->Handle(), WM_CLOSE, 0, 0);
  const ULONGLONG start = GetTickCount64();
  App->Run(SW_SHOWNORMAL);
  EXPECT_GE(GetTickCount64() - start, 600u);  // the loop ended only after the script
  EXPECT_TRUE(App->Terminated());
  const auto opens = testsupport::WaitForLines(log, 1);
  ASSERT_EQ(opens.size(), 1u);
  EXPECT_NE(opens[0].find(drive + "\\temp\\out.txt"), std::string::npos);
  SetEnvironmentVariableA("HOMEDRIVE", "C:");
}

TEST_F(MainWindowTest, EndOfTheSessionSavesTheListAsAtANormalEnd) {
  Form->ComboBox1.SetText("session.txt");
  Form->Button2.Click();
  SendMessageA(Form->Handle(), WM_QUERYENDSESSION, 0, 0);
  SendMessageA(Form->Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(ReadValue(Key, "RegCount"), "7");
  EXPECT_EQ(ReadValue(Key, "FileName1"), "session.txt");
}

TEST_F(MainWindowTest, StartShowStateAndIconAreHonoured) {
  const auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(Form->Handle(), GCLP_HICON));
  const auto small = reinterpret_cast<HICON>(GetClassLongPtrA(Form->Handle(), GCLP_HICONSM));
  ASSERT_NE(icon, nullptr);
  ASSERT_NE(small, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(small, &info));
  BITMAP bits{};
  GetObjectA(info.hbmColor, sizeof bits, &bits);
  EXPECT_EQ(bits.bmWidth, 16);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(App->Handle(), GCLP_HICON)) != nullptr, true);

  PostMessageA(Form->Handle(), WM_CLOSE, 0, 0);
  App->Run(SW_SHOWMAXIMIZED);
  EXPECT_TRUE(IsZoomed(Form->Handle()));
}

TEST_F(MainWindowTest, MinimisedStartKeepsTheProgramOnTheTaskbarOnly) {
  ShowWindow(Form->Handle(), SW_HIDE);
  PostMessageA(Form->Handle(), WM_CLOSE, 0, 0);
  App->Run(SW_SHOWMINNOACTIVE);
  EXPECT_TRUE(IsIconic(App->Handle()));
  EXPECT_EQ(WindowText(App->Handle()), ApplicationTitle(ModulePath()));
}

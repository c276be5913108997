// Keys pressed for real (SendInput), as one group: menu shortcuts come before
// the focused control in every window of the program, with the exact
// modifier state; unmatched keys reach the control and the dialog handling.

#include "tests/ui/main_window_fixture.h"

#include "about/splash_win.h"

using testsupport::ClipboardText;
using testsupport::SetClipboardText;
using uitest::Chord;

namespace {

constexpr WORD kCtrl = VK_CONTROL, kShift = VK_SHIFT, kAlt = VK_MENU;

}  // namespace

TEST_F(MainWindowTest, ShortcutsClearFieldsWhereverTheFocusIs) {
  struct Case {
    const char* Where;
    TWinControl* Focus;
    std::initializer_list<WORD> Keys;
    const char* Edit1;
    const char* Edit2;
  };
  const Case cases[] = {
      {"Esc in Edit1", &Form->Edit1, {VK_ESCAPE}, "", ""},
      {"Esc in the combo box", &Form->ComboBox1, {VK_ESCAPE}, "", ""},
      {"Esc on a button", &Form->Button1, {VK_ESCAPE}, "", ""},
      {"Esc on the check box", &Form->Uwagaki, {VK_ESCAPE}, "", ""},
      {"Ctrl+1", &Form->Edit2, {kCtrl, '1'}, "", "beta"},
      {"Ctrl+2", &Form->Edit1, {kCtrl, '2'}, "alpha", ""},
      {"Ctrl with keypad 1", &Form->Button1, {kCtrl, VK_NUMPAD1}, "alpha", "beta"},
      {"Ctrl+Shift+1", &Form->Button1, {kCtrl, kShift, '1'}, "alpha", "beta"},
      {"Ctrl+Alt+1", &Form->Button1, {kCtrl, kAlt, '1'}, "alpha", "beta"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Where);
    Fill("alpha", "beta");
    SetClipboardText("kept");
    c.Focus->SetFocus();
    Chord(c.Keys);
    EXPECT_EQ(Form->Edit1.Text(), c.Edit1);
    EXPECT_EQ(Form->Edit2.Text(), c.Edit2);
    EXPECT_EQ(ClipboardText(), "kept");
    Form->Edit1.Undo();
    EXPECT_EQ(Form->Edit1.Text(), c.Edit1);  // nothing to undo after a clear
  }
}

TEST_F(MainWindowTest, EditShortcutsAreTakenByTheMenuAlsoInTheComboBox) {
  Fill("alpha", "beta");
  Form->Edit1.SetFocus();
  Chord({kCtrl, 'A'});
  Chord({kCtrl, 'C'});
  EXPECT_EQ(ClipboardText(), "alpha");
  Chord({kCtrl, 'X'});
  EXPECT_EQ(Form->Edit1.Text(), "");
  Chord({kCtrl, 'Z'});
  EXPECT_EQ(Form->Edit1.Text(), "alpha");

  SetClipboardText("kept");
  Form->ComboBox1.SetFocus();
  SendMessageA(Form->ComboBox1.Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  Chord({kCtrl, 'C'});
  Chord({kCtrl, 'X'});
  Chord({kCtrl, 'V'});
  EXPECT_EQ(ClipboardText(), "kept");
  EXPECT_EQ(Form->ComboBox1.Text(), "番号順.txt");
}

TEST_F(MainWindowTest, TabMovesTheFocusInTabOrder) {
  const TWinControl* order[] = {&Form->Edit1,   &Form->Edit2,   &Form->ComboBox1, &Form->Button2,
                                &Form->Button6, &Form->Uwagaki, &Form->Button1,   &Form->Button4,
                                &Form->Button3, &Form->Button5, &Form->BitBtn1,   &Form->OpenFile,
                                &Form->Edit1};
  Form->Edit1.SetFocus();
  for (std::size_t i = 1; i < std::size(order); ++i) {
    Chord({VK_TAB});
    EXPECT_EQ(TWinControl::FindControl(GetFocus()), order[i]) << "after Tab " << i;
  }
  Chord({kShift, VK_TAB});
  EXPECT_EQ(TWinControl::FindControl(GetFocus()), &Form->OpenFile);
}

TEST_F(MainWindowTest, EnterInAFieldStartsNoSearch) {
  const std::string log = Work.Path() + "script.log";
  testsupport::WriteFileBytes("zsearch.bat", "@echo %* >> \"" + log + "\"\r\n");
  Fill("alpha", "");
  Form->Edit1.SetFocus();
  Chord({VK_RETURN});
  EXPECT_TRUE(testsupport::WaitForLines(log, 1, 1500).empty());
  EXPECT_TRUE(Boxes.Dialogs().empty());
}

TEST_F(MainWindowTest, HelpKeysRunTheViewerCommands) {
  Chord({VK_F10});
  Chord({VK_F9});
  ASSERT_EQ(Boxes.Dialogs().size(), 2u);
  EXPECT_EQ(Boxes.Dialogs()[0].Text, "Readmeファイルが見つかりません．");
  EXPECT_EQ(Boxes.Dialogs()[1].Text, "ヘルプファイルが見つかりません．");
}

TEST_F(MainWindowTest, MainMenuShortcutsActInOtherWindowsToo) {
  Fill("alpha", "beta");
  ShowAboutWindow();
  HWND about = GetForegroundWindow();
  ASSERT_NE(about, Form->Handle());
  Chord({VK_ESCAPE});
  EXPECT_EQ(Form->Edit1.Text(), "");
  EXPECT_EQ(Form->Edit2.Text(), "");
  EXPECT_TRUE(IsWindowVisible(about));  // Esc does not close it
  Chord({VK_F10});
  ASSERT_EQ(Boxes.Dialogs().size(), 1u);
  EXPECT_EQ(Boxes.Dialogs()[0].Text, "Readmeファイルが見つかりません．");
}

TEST_F(MainWindowTest, AltCClosesTheMainWindow) {
  Form->Edit1.SetFocus();
  Chord({kAlt, 'C'});
  EXPECT_TRUE(App->Terminated());
}

TEST_F(MainWindowTest, LetterCAloneClosesOnlyWhereNoTextIsTyped) {
  Form->Edit1.SetFocus();
  Chord({'C'});
  EXPECT_FALSE(App->Terminated());
  EXPECT_EQ(Form->Edit1.Text(), "c");
  Form->Uwagaki.SetFocus();
  Chord({'C'});
  EXPECT_TRUE(App->Terminated());
}

// The toolkit's windows under Wine: the parent's mouse routing to windowless
// controls, labels sizing to their text, bevel lines, fonts, the close-kind
// button, windows made when first needed, forms closing, and the
// application's title.

#include "tests/support/dialog_watcher.h"
#include "widgets/app_text.h"
#include "widgets/application.h"
#include "widgets/bevel.h"
#include "widgets/bit_btn.h"
#include "widgets/button.h"
#include "widgets/combo_box.h"
#include "widgets/edit.h"
#include "widgets/form.h"
#include "widgets/graphics.h"
#include "widgets/label.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Records what the routing tells it.
class TProbe : public TGraphicControl {
 public:
  TProbe(TWinControl* parent, std::string name, std::vector<std::string>& log)
      : TGraphicControl(parent), Name(std::move(name)), Log(log) {}
  void Paint(HDC) override {}
  void MouseEnter() override { Log.push_back(Name + " enter"); }
  void MouseLeave() override { Log.push_back(Name + " leave"); }
  void MouseDown(TMouseButton b, int x, int y) override {
    Log.push_back(Name + " down " + ButtonName(b) + " " + std::to_string(x) + "," +
                  std::to_string(y));
  }
  void MouseUp(TMouseButton b, int, int) override { Log.push_back(Name + " up " + ButtonName(b)); }
  void Click() override { Log.push_back(Name + " click"); }
  void DblClick() override { Log.push_back(Name + " dblclick"); }

 private:
  static std::string ButtonName(TMouseButton b) {
    return b == TMouseButton::Left ? "left" : b == TMouseButton::Right ? "right" : "middle";
  }
  std::string Name;
  std::vector<std::string>& Log;
};

class WidgetWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App = std::make_unique<TApplication>();
    Main = &App->CreateForm<TForm>();
    Main->SetBounds(100, 100, 300, 200);
    Main->Show();
  }
  void Mouse(UINT message, int x, int y) {
    SendMessageA(Main->Handle(), message, 0, MAKELPARAM(x, y));
  }
  std::unique_ptr<TApplication> App;
  TForm* Main = nullptr;
};

}  // namespace

TEST_F(WidgetWindowTest, MouseIsRoutedToWindowlessControls) {
  std::vector<std::string> log;
  TProbe a(Main, "a", log);
  a.SetBounds(10, 10, 50, 20);
  TProbe b(Main, "b", log);
  b.SetBounds(40, 10, 50, 20);  // overlaps a; created later, so on top

  const struct {
    UINT Message;
    int X, Y;
    std::vector<std::string> Expected;
  } steps[] = {
      {WM_MOUSEMOVE, 15, 15, {"a enter"}},
      {WM_MOUSEMOVE, 20, 15, {}},
      {WM_MOUSEMOVE, 45, 15, {"a leave", "b enter"}},
      {WM_LBUTTONDOWN, 45, 15, {"b down left 5,5"}},
      // While b holds the capture, leaving b and coming back is reported.
      {WM_MOUSEMOVE, 200, 150, {"b leave"}},
      {WM_MOUSEMOVE, 20, 15, {}},
      {WM_MOUSEMOVE, 50, 15, {"b enter"}},
      {WM_LBUTTONUP, 50, 15, {"b click", "b up left"}},
      {WM_LBUTTONDOWN, 50, 15, {"b down left 10,5"}},
      {WM_MOUSEMOVE, 200, 150, {"b leave"}},
      {WM_LBUTTONUP, 200, 150, {"b up left"}},  // released away: no click
      {WM_LBUTTONDOWN, 15, 15, {"a enter", "a down left 5,5"}},
      {WM_LBUTTONUP, 15, 15, {"a click", "a up left"}},
      {WM_LBUTTONDBLCLK, 15, 15, {"a dblclick", "a down left 5,5"}},
      {WM_LBUTTONUP, 15, 15, {"a up left"}},  // the second press of a double click
      {WM_RBUTTONDOWN, 15, 15, {"a down right 5,5"}},
      {WM_RBUTTONUP, 15, 15, {"a up right"}},
      {WM_MOUSELEAVE, 0, 0, {"a leave"}},
  };
  for (const auto& step : steps) {
    log.clear();
    Mouse(step.Message, step.X, step.Y);
    EXPECT_EQ(log, step.Expected) << "message " << step.Message << " at " << step.X << ","
                                  << step.Y;
  }
}

TEST_F(WidgetWindowTest, LabelSizesItselfToItsTextUnlessToldNot) {
  TLabel label(Main);
  label.SetBounds(10, 10, 5, 5);
  label.SetCaption("検索ﾃﾞｰﾀﾍﾞｰｽ名");
  const int oneWidth = label.Width();
  EXPECT_GT(oneWidth, 40);
  EXPECT_GE(label.Height(), 12);
  label.SetCaption("検索ﾃﾞｰﾀﾍﾞｰｽ名 検索ﾃﾞｰﾀﾍﾞｰｽ名");
  EXPECT_GT(label.Width(), oneWidth * 3 / 2);
  label.SetAutoSize(false);
  label.SetBounds(10, 10, 30, 7);
  label.SetCaption("x");
  EXPECT_EQ(label.Width(), 30);
  EXPECT_EQ(label.Height(), 7);
}

TEST_F(WidgetWindowTest, BevelsDrawShadowAndHighlightLines) {
  TBevel sunken(Main);
  sunken.SetShape(TBevelShape::TopLine);
  sunken.SetBounds(10, 20, 100, 30);
  TBevel raised(Main);
  raised.SetShape(TBevelShape::TopLine);
  raised.SetStyle(TBevelStyle::Raised);
  raised.SetBounds(10, 60, 100, 30);
  TBevel box(Main);
  box.SetBounds(150, 20, 50, 50);
  RedrawWindow(Main->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = GetDC(Main->Handle());
  const COLORREF shadow = ColorToRGB(kColorBtnShadow), light = ColorToRGB(kColorBtnHighlight);
  const COLORREF face = ColorToRGB(kColorBtnFace);
  EXPECT_EQ(GetPixel(dc, 50, 20), shadow);
  EXPECT_EQ(GetPixel(dc, 50, 21), light);
  EXPECT_EQ(GetPixel(dc, 50, 22), face);
  EXPECT_EQ(GetPixel(dc, 50, 60), light);
  EXPECT_EQ(GetPixel(dc, 50, 61), shadow);
  EXPECT_EQ(GetPixel(dc, 150, 40), shadow);  // box: left edge sunken
  EXPECT_EQ(GetPixel(dc, 199, 40), light);   // right edge
  EXPECT_EQ(GetPixel(dc, 175, 45), face);    // inside stays empty
  ReleaseDC(Main->Handle(), dc);
}

TEST_F(WidgetWindowTest, FontHeightIsCharacterHeightWithoutLeading) {
  TFont font;
  EXPECT_EQ(font.Attributes().Name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(font.Attributes().Height, 12);
  TFontAttributes attributes = font.Attributes();
  attributes.Name = "ＭＳ ゴシック";
  attributes.Height = 16;
  attributes.Style = kFontBold | kFontUnderline;
  font.Assign(attributes);
  LOGFONTA lf{};
  GetObjectA(font.Handle(), sizeof lf, &lf);
  EXPECT_STREQ(lf.lfFaceName, "ＭＳ ゴシック");
  EXPECT_EQ(lf.lfHeight, -16);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_TRUE(lf.lfUnderline);
  EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
  int changes = 0;
  font.OnChange = [&] { ++changes; };
  TFont copy;
  copy.Assign(font);
  font.Assign(font);  // assigning a font to itself changes nothing
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(copy.Attributes(), font.Attributes());
}

TEST_F(WidgetWindowTest, CloseButtonHidesItsFormAndShowsTheDoor) {
  TForm& other = App->CreateForm<TForm>();
  TBitBtn close(&other, TBitBtnKind::Close);
  close.SetBounds(10, 10, 99, 41);
  other.SetBounds(50, 50, 200, 100);
  other.Show();
  EXPECT_EQ(WindowText(close.Handle()), "閉じる(&C)");
  RedrawWindow(other.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  // The door's leaf is yellow somewhere on the button.
  HDC dc = GetDC(close.Handle());
  bool yellow = false;
  for (int y = 0; y < close.Height() && !yellow; ++y) {
    for (int x = 0; x < close.Width() && !yellow; ++x)
      yellow = GetPixel(dc, x, y) == RGB(255, 255, 0);
  }
  ReleaseDC(close.Handle(), dc);
  EXPECT_TRUE(yellow);

  close.Click();
  EXPECT_FALSE(IsWindowVisible(other.Handle()));
  EXPECT_FALSE(App->Terminated());
}

TEST_F(WidgetWindowTest, WindowsAreMadeWhenNeededWithWhatWasSetBefore) {
  TForm& other = App->CreateForm<TForm>();
  other.SetCaption("later");
  other.SetBounds(40, 30, 240, 160);
  TButton first(&other);
  TButton second(&other);
  TEdit edit(&other);
  first.SetCaption("first");
  first.SetBounds(8, 8, 80, 24);
  second.SetCaption("second");
  second.SetBounds(8, 40, 80, 24);
  second.SetEnabled(false);
  edit.SetBounds(8, 72, 80, 24);
  edit.SetVisible(false);
  for (const TWinControl* control :
       std::initializer_list<const TWinControl*>{&other, &first, &second, &edit}) {
    EXPECT_FALSE(control->HandleAllocated());
  }

  // Needing one control's window makes the form's and those of all its
  // controls, in their order, the newest on top.
  const HWND secondWindow = second.HandleNeeded();
  ASSERT_TRUE(other.HandleAllocated());
  EXPECT_EQ(WindowText(other.Handle()), "later");
  RECT outer;
  GetWindowRect(other.Handle(), &outer);
  EXPECT_EQ(outer.left, 40);
  EXPECT_EQ(outer.top, 30);
  EXPECT_EQ(outer.right - outer.left, 240);
  const struct {
    TWinControl& Control;
    const char* Text;
    RECT Rect;
    bool Enabled, Visible;
  } rows[] = {{first, "first", {8, 8, 88, 32}, true, true},
              {second, "second", {8, 40, 88, 64}, false, true},
              {edit, "", {8, 72, 88, 96}, true, false}};
  HWND below = GetWindow(other.Handle(), GW_CHILD);
  EXPECT_EQ(below, edit.Handle());
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Text);
    const HWND window = row.Control.Handle();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), row.Text);
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, other.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(EqualRect(&r, &row.Rect))
        << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    EXPECT_EQ(IsWindowEnabled(window) != FALSE, row.Enabled);
    EXPECT_EQ((GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0, row.Visible);
  }
  EXPECT_EQ(GetWindow(edit.Handle(), GW_HWNDNEXT), secondWindow);
  EXPECT_EQ(GetWindow(secondWindow, GW_HWNDNEXT), first.Handle());

  // From then on a new control gets its window at once; a destroyed one is
  // not made again.
  TButton third(&other);
  EXPECT_TRUE(third.HandleAllocated());
  other.DestroyHandle();
  EXPECT_EQ(first.Handle(), nullptr);
  EXPECT_EQ(other.Handle(), nullptr);
}

TEST_F(WidgetWindowTest, StateSetBeforeTheWindowIsWhatTheWindowStartsWith) {
  TForm& other = App->CreateForm<TForm>();
  other.SetBounds(40, 30, 300, 200);
  TCheckBox check(&other);
  check.SetChecked(true);
  TComboBox combo(&other);
  combo.SetBounds(8, 40, 200, 21);
  combo.SetDropDown(20, 13);
  TButton button(&other);
  TFontAttributes big = button.Font().Attributes();
  big.Height = 20;
  button.Font().Assign(big);
  TLabel label(&other);
  label.SetBounds(8, 100, 5, 5);
  label.SetCaption("検索ﾃﾞｰﾀﾍﾞｰｽ名");
  TLabel shown(Main);  // the same label where a window exists
  shown.SetBounds(8, 100, 5, 5);
  shown.SetCaption("検索ﾃﾞｰﾀﾍﾞｰｽ名");

  // Asking works without a window, and makes none.
  EXPECT_TRUE(check.Checked());
  EXPECT_TRUE(EqualRect(&label.SettledBoundsRect(), &shown.BoundsRect()));
  EXPECT_FALSE(other.HandleAllocated());

  ASSERT_NE(other.HandleNeeded(), nullptr);
  EXPECT_EQ(SendMessageA(check.HandleNeeded(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(combo.Handle(), CB_GETITEMHEIGHT, 0, 0), 13);
  RECT dropped;
  SendMessageA(combo.Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_GE(dropped.bottom - dropped.top, 20 * 13);
  const auto font = reinterpret_cast<HFONT>(SendMessageA(button.Handle(), WM_GETFONT, 0, 0));
  EXPECT_EQ(font, button.Font().Handle());
  EXPECT_TRUE(EqualRect(&label.BoundsRect(), &shown.BoundsRect()));
  check.SetChecked(false);
  EXPECT_FALSE(check.Checked());
}

TEST_F(WidgetWindowTest, ClosingTheMainFormEndsTheLoop) {
  PostMessageA(Main->Handle(), WM_CLOSE, 0, 0);
  App->PumpPendingMessages();
  App->PumpPendingMessages();
  EXPECT_TRUE(App->Terminated());
  EXPECT_TRUE(IsWindowVisible(Main->Handle()));  // not hidden first
}

TEST_F(WidgetWindowTest, FormsAreDestroyedNewestFirst) {
  std::vector<int> order;
  class TCounted : public TForm {
   public:
    TCounted(std::vector<int>& log, int id) : Log(log), Id(id) {}
    void FormDestroy() override {
      Log.push_back(Id);
      if (Id == 2) throw std::runtime_error("late");  // reported, the end goes on
    }
    std::vector<int>& Log;
    int Id;
  };
  App->CreateForm<TCounted>(order, 1);
  App->CreateForm<TCounted>(order, 2);
  App->CreateForm<TCounted>(order, 3);
  testsupport::TDialogWatcher boxes;
  App->DestroyForms();
  EXPECT_EQ(order, (std::vector<int>{3, 2, 1}));
  ASSERT_EQ(boxes.Dialogs().size(), 1u);
  EXPECT_EQ(boxes.Dialogs()[0].Text, "late.");
  EXPECT_EQ(boxes.Dialogs()[0].Icon, testsupport::StopIcon());
  EXPECT_EQ(App->MainForm(), nullptr);
}

TEST(ApplicationObject, TitleFollowsTheProgramFileName) {
  TApplication app;
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  EXPECT_EQ(app.Title(), ApplicationTitle(path));
  EXPECT_EQ(app.Title(), "widget_window_test");
  EXPECT_EQ(WindowText(app.Handle()), app.Title());
}

// The about window in-process under Wine: frame and place, the picture and
// its resource, the rule, the labels, the links' looks, the close button.

#include "about/splash_win.h"
#include "ui/home_page.h"
#include "widgets/application.h"
#include "widgets/graphics.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class AboutTest : public ::testing::Test {
 protected:
  TApplication App;
  TForm& Main = App.CreateForm<TForm>();

  // The newest about window, as the version-information command leaves it.
  TForm2& Open() {
    ShowAboutWindow();
    HWND active = GetForegroundWindow();
    auto* about = dynamic_cast<TForm2*>(TWinControl::FromHandle(active));
    if (about == nullptr) throw std::runtime_error("no about window in front");
    return *about;
  }
  static COLORREF Pixel(TForm2& about, int x, int y) {
    HDC dc = GetDC(about.Handle());
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(about.Handle(), dc);
    return color;
  }
  // Pixels of one colour inside a control's rectangle.
  static int Count(TForm2& about, const TControl& control, COLORREF color) {
    const RECT& r = control.BoundsRect();
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) n += Pixel(about, x, y) == color;
    }
    return n;
  }
  static void PumpPaint(TForm2& about) { UpdateWindow(about.Handle()); }
};

TEST_F(AboutTest, DialogFrameOnTopCentredWithItsClientSizeAndTheCloseButtonFocused) {
  TForm2& about = Open();
  char caption[128];
  GetWindowTextA(about.Handle(), caption, sizeof caption);
  EXPECT_STREQ(caption, "ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ by Ranel");
  RECT client;
  GetClientRect(about.Handle(), &client);
  EXPECT_EQ(client.right, 433);
  EXPECT_EQ(client.bottom, 270);
  RECT outer;
  GetWindowRect(about.Handle(), &outer);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
  const LONG style = GetWindowLongA(about.Handle(), GWL_STYLE);
  const LONG exStyle = GetWindowLongA(about.Handle(), GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(GetFocus(), about.BitBtn1.Handle());
  // Activating the main window leaves the about window above it.
  Main.Show();
  EXPECT_TRUE(GetWindowLongA(about.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongA(Main.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(AboutTest, ControlsLieWhereTheLayoutPutsThem) {
  TForm2& about = Open();
  const struct {
    const TControl& Control;
    RECT Rect;
    bool SizeFixed;  // the labels that size themselves keep only their corner
  } cases[] = {
      {about.Image1, {0, 0, 432, 270}, true},      {about.Label1, {32, 24, 0, 0}, false},
      {about.Label2, {48, 56, 0, 0}, false},       {about.Bevel1, {8, 168, 425, 265}, true},
      {about.Label6, {16, 216, 273, 249}, true},   {about.LightLabel1, {80, 112, 0, 0}, false},
      {about.LightLabel2, {80, 128, 0, 0}, false}, {about.Label4, {241, 57, 0, 0}, false},
      {about.BitBtn1, {320, 216, 417, 257}, true},
  };
  for (const auto& c : cases) {
    const RECT& r = c.Control.BoundsRect();
    EXPECT_EQ(r.left, c.Rect.left) << c.Rect.left << "," << c.Rect.top;
    EXPECT_EQ(r.top, c.Rect.top) << c.Rect.left << "," << c.Rect.top;
    if (c.SizeFixed) {
      EXPECT_EQ(r.right, c.Rect.right) << c.Rect.left << "," << c.Rect.top;
      EXPECT_EQ(r.bottom, c.Rect.bottom) << c.Rect.left << "," << c.Rect.top;
    }
  }
  EXPECT_EQ(about.LightLabel1.Caption(), kAuthorMail);
  EXPECT_EQ(about.LightLabel1.JumpTo(), kAuthorMail);
  EXPECT_EQ(about.LightLabel1.JumpType(), TJumpType::jtMail);
  EXPECT_EQ(about.LightLabel2.Caption(), kHomePage);
  EXPECT_EQ(about.LightLabel2.JumpTo(), kHomePage);
  EXPECT_EQ(about.LightLabel2.JumpType(), TJumpType::jtHome);
  EXPECT_EQ(about.Label4.Font().Attributes().Name, "Arial");
}

TEST_F(AboutTest, PaintedBeforeTheCommandReturns) {
  TForm2& about = Open();  // no message is dispatched in between
  const COLORREF face = ColorToRGB(clBtnFace);
  for (int y = 0; y < 270; y += 9) EXPECT_EQ(Pixel(about, 432, y), face) << y;
  int pictureNotFace = 0;
  for (int x = 0; x < 432; x += 16) pictureNotFace += Pixel(about, x, 100) != face;
  EXPECT_GT(pictureNotFace, 20);
  // The raised rule: highlight row, then shadow row, from x = 8 to 424.
  for (int x : {8, 200, 424}) {
    EXPECT_EQ(Pixel(about, x, 168), ColorToRGB(clBtnHighlight)) << x;
    EXPECT_EQ(Pixel(about, x, 169), ColorToRGB(clBtnShadow)) << x;
  }
}

TEST_F(AboutTest, LinksAreUnderlinedUntilThePointerHasPassedAndRedWhilePressed) {
  TForm2& about = Open();
  TLightLabel& link = about.LightLabel1;
  const RECT r = link.BoundsRect();
  const int blueBefore = Count(about, link, RGB(0, 0, 255));
  EXPECT_GT(blueBefore, 0);
  EXPECT_TRUE(link.Font().Attributes().Style & fsUnderline);
  SendMessageA(about.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(r.left + 2, r.top + 2));
  SendMessageA(about.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 10));
  PumpPaint(about);
  EXPECT_FALSE(link.Font().Attributes().Style & fsUnderline);
  const int blueAfter = Count(about, link, RGB(0, 0, 255));
  EXPECT_GT(blueAfter, 0);
  EXPECT_LT(blueAfter, blueBefore);  // the underline is gone
  // Pressed: red without underline (released away from it: nothing opens).
  SendMessageA(about.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(r.left + 2, r.top + 2));
  SendMessageA(about.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 2, r.top + 2));
  PumpPaint(about);
  EXPECT_GT(Count(about, link, RGB(255, 0, 0)), 0);
  EXPECT_EQ(Count(about, link, RGB(0, 0, 255)), 0);
  SendMessageA(about.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 10));
  SendMessageA(about.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 10));
  PumpPaint(about);
  EXPECT_EQ(Count(about, link, RGB(255, 0, 0)), 0);
}

TEST_F(AboutTest, EachCommandMakesANewWindowAndClosingOnlyHides) {
  TForm2& first = Open();
  TForm2& second = Open();
  EXPECT_NE(&first, &second);
  RECT a, b;
  GetWindowRect(first.Handle(), &a);
  GetWindowRect(second.Handle(), &b);
  EXPECT_TRUE(EqualRect(&a, &b));
  second.BitBtn1.Click();
  EXPECT_TRUE(IsWindow(second.Handle()));
  EXPECT_FALSE(IsWindowVisible(second.Handle()));
  EXPECT_TRUE(IsWindowVisible(first.Handle()));
  SendMessageA(first.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(first.Handle()));
}

TEST(AboutPicture, IsAn8BitBottomUpBitmapOf432By270At2834PixelsPerMetre) {
  HRSRC resource = FindResourceA(nullptr, "ABOUTPICTURE", MAKEINTRESOURCEA(2));  // RT_BITMAP
  ASSERT_NE(resource, nullptr);
  const auto* header =
      static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, resource)));
  EXPECT_EQ(header->biWidth, 432);
  EXPECT_EQ(header->biHeight, 270);  // positive: rows bottom-up
  EXPECT_EQ(header->biBitCount, 8);
  EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
  EXPECT_EQ(header->biClrUsed, 256u);
  EXPECT_EQ(header->biXPelsPerMeter, 2834);
  EXPECT_EQ(header->biYPelsPerMeter, 2834);
  // With the 14-byte file header the bitmap file had 117,718 bytes.
  EXPECT_EQ(SizeofResource(nullptr, resource) + 14, 117718u);
}

}  // namespace

// The about window in-process under Wine: frame and place, the picture and
// its resource, the rule, the labels, the links' looks, the close button.

#include "about/splash_win.h"
#include "product/identity.h"
#include "tests/support/wine_test_support.h"
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
  // The colours of a rectangle of the client area, row by row.
  static std::vector<COLORREF> Pixels(TForm2& about, const RECT& r) {
    std::vector<COLORREF> colors;
    HDC dc = GetDC(about.Handle());
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) colors.push_back(GetPixel(dc, x, y));
    }
    ReleaseDC(about.Handle(), dc);
    return colors;
  }
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

TEST_F(AboutTest, MembersAreMadeInOrderWithTheirFonts) {
  TForm2& about = Open();
  const std::vector<TControl*> made = {
      &about.BitBtn1, &about.Image1, &about.Label1,      &about.Label2,      &about.Label3,
      &about.Bevel1,  &about.Label6, &about.LightLabel1, &about.LightLabel2, &about.Label4};
  EXPECT_EQ(about.Controls(), made);
  EXPECT_EQ(about.BitBtn1.TabOrder(), 0);
  EXPECT_EQ(about.BitBtn1.Caption(), "閉じる(&C)");

  const struct {
    const char* Name;
    TLabel& Label;
    TFontAttributes Font;
    bool SizesToText;
  } labels[] = {
      {"Label1",
       about.Label1,
       {"ＭＳ Ｐゴシック", 24, SHIFTJIS_CHARSET, {}, kColorWindowText, kFontBold},
       true},
      {"Label2",
       about.Label2,
       {"ＭＳ Ｐゴシック", 21, SHIFTJIS_CHARSET, {}, kColorWindowText, kFontBold},
       true},
      {"Label3",
       about.Label3,
       {"ＭＳ Ｐゴシック", 13, SHIFTJIS_CHARSET, {}, kColorWindowText, 0},
       true},
      {"Label6",
       about.Label6,
       {"ＭＳ Ｐゴシック", 13, SHIFTJIS_CHARSET, {}, kColorWindowText, 0},
       false},
      {"Label4", about.Label4, {"Arial", 19, ANSI_CHARSET, {}, kColorWindowText, 0}, true},
  };
  for (const auto& l : labels) {
    SCOPED_TRACE(l.Name);
    EXPECT_EQ(l.Label.Font().Attributes(), l.Font);
    EXPECT_TRUE(l.Label.Transparent());
    EXPECT_EQ(l.Label.AutoSize(), l.SizesToText);
  }
  EXPECT_EQ(about.Label1.Caption(), "ズノ文献データベース 日本関係分");
  EXPECT_EQ(about.Label2.Caption(), "簡易検索プログラム");
  EXPECT_EQ(about.Label4.Caption(), "ZUNO-SEARCH");
  const TFontAttributes windowFont{"ＭＳ Ｐゴシック", 12, SHIFTJIS_CHARSET, {},
                                   kColorWindowText,  0};
  EXPECT_EQ(about.Font().Attributes(), windowFont);
  EXPECT_EQ(about.BitBtn1.Font().Attributes(), windowFont);
}

TEST_F(AboutTest, BothLinksCarryTheSameLookSettings) {
  TForm2& about = Open();
  const TFontAttributes blue{"ＭＳ Ｐゴシック", 12, SHIFTJIS_CHARSET, {}, kColorBlue, 0};
  TFontAttributes underlined = blue;
  underlined.Style = kFontUnderline;
  TFontAttributes red = blue;
  red.Color = kColorRed;
  for (TLightLabel* link : {&about.LightLabel1, &about.LightLabel2}) {
    SCOPED_TRACE(link->Caption());
    EXPECT_TRUE(link->Transparent());
    EXPECT_EQ(link->Font().Attributes(), underlined);  // its own font until the pointer leaves
    EXPECT_EQ(link->LightFont(), underlined);
    EXPECT_EQ(link->DefaultFont(), blue);
    EXPECT_EQ(link->ClickFont(), red);
    for (TColor color :
         {link->Color(), link->LightColor(), link->DefaultColor(), link->ClickColor()}) {
      EXPECT_EQ(color, kColorBtnFace);
    }
    EXPECT_TRUE(link->LightEnabled());
    EXPECT_TRUE(link->DefaultEnabled());
    EXPECT_TRUE(link->ClickEnabled());
  }
}

TEST_F(AboutTest, CreditLineWrapsWithinItsBoxAndIsCutOffBelowIt) {
  TForm2& about = Open();
  const RECT box = about.Label6.BoundsRect();
  const RECT secondLine{box.left, box.top + 17, box.right, box.bottom};
  const RECT below{box.left, box.bottom, box.right, box.bottom + 14};
  const RECT right{box.right, box.top, box.right + 40, box.bottom};
  const auto look = [&](const std::string& caption) {
    about.Label6.SetCaption(caption);
    PumpPaint(about);
    return std::vector{Pixels(about, secondLine), Pixels(about, below), Pixels(about, right)};
  };
  const auto oneWord = look("x");
  std::string many;
  for (int i = 0; i < 60; ++i) many += "word ";
  const auto wrapped = look(many);
  EXPECT_NE(wrapped[0], oneWord[0]);  // the text goes on in the second line
  EXPECT_EQ(wrapped[1], oneWord[1]);  // and nothing of it shows below the box
  EXPECT_EQ(wrapped[2], oneWord[2]);  // or to its right
  EXPECT_EQ(about.Label6.BoundsRect().right - about.Label6.BoundsRect().left, 257);
  EXPECT_EQ(about.Label6.BoundsRect().bottom - about.Label6.BoundsRect().top, 33);
}

TEST_F(AboutTest, PaintedBeforeTheCommandReturns) {
  TForm2& about = Open();  // no message is dispatched in between
  const COLORREF face = ColorToRGB(kColorBtnFace);
  for (int y = 0; y < 270; y += 9) EXPECT_EQ(Pixel(about, 432, y), face) << y;
  int pictureNotFace = 0;
  for (int x = 0; x < 432; x += 16) pictureNotFace += Pixel(about, x, 100) != face;
  EXPECT_GT(pictureNotFace, 20);
  // The raised rule: highlight row, then shadow row, from x = 8 to 424.
  for (int x : {8, 200, 424}) {
    EXPECT_EQ(Pixel(about, x, 168), ColorToRGB(kColorBtnHighlight)) << x;
    EXPECT_EQ(Pixel(about, x, 169), ColorToRGB(kColorBtnShadow)) << x;
  }
}

TEST_F(AboutTest, LinksAreUnderlinedUntilThePointerHasPassedAndRedWhilePressed) {
  TForm2& about = Open();
  TLightLabel& link = about.LightLabel1;
  const RECT r = link.BoundsRect();
  const int blueBefore = Count(about, link, RGB(0, 0, 255));
  EXPECT_GT(blueBefore, 0);
  EXPECT_TRUE(link.Font().Attributes().Style & kFontUnderline);
  SendMessageA(about.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(r.left + 2, r.top + 2));
  SendMessageA(about.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 10));
  PumpPaint(about);
  EXPECT_FALSE(link.Font().Attributes().Style & kFontUnderline);
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

// Last of the window tests: the openers that the shell starts may take the
// foreground for a while.
TEST_F(AboutTest, LinksOpenTheMailAddressAndTheHomePage) {
  testsupport::TTempWorkFolder folder;
  const std::string log = folder.Path() + "opens.log";
  testsupport::RecordUrlOpens("mailto", log);
  testsupport::RecordUrlOpens("http", log);
  TForm2& about = Open();
  for (TLightLabel* link : {&about.LightLabel1, &about.LightLabel2}) {
    const RECT& r = link->BoundsRect();
    const LPARAM at = MAKELPARAM(r.left + 2, r.top + 2);
    SendMessageA(about.Handle(), WM_MOUSEMOVE, 0, at);
    SendMessageA(about.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(about.Handle(), WM_LBUTTONUP, 0, at);
  }
  // The shell starts the two openers at once: either may log first.
  const auto lines = testsupport::WaitForLines(log, 2);
  ASSERT_EQ(lines.size(), 2u);
  const std::string both = lines[0] + "\n" + lines[1];
  EXPECT_NE(both.find(std::string("\"mailto:") + kAuthorMail + "\""), std::string::npos) << both;
  EXPECT_NE(both.find(std::string("\"") + kHomePage + "\""), std::string::npos) << both;
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

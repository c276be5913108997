#include "about/splash_win.h"

#include "product/identity.h"
#include "widgets/application.h"

namespace {

constexpr const char* kPGothic = "ＭＳ Ｐゴシック";

TFontAttributes LabelFont(const char* face, int height, TFontStyles style, std::uint8_t charset) {
  TFontAttributes font;
  font.Name = face;
  font.Height = height;
  font.Charset = charset;
  font.Color = kColorWindowText;
  font.Style = style;
  return font;
}

void SetUpLabel(TLabel& label, const char* caption, int left, int top, int width, int height,
                const TFontAttributes& font) {
  label.SetTransparent(true);
  label.Font().Assign(font);
  label.SetCaption(caption);
  label.SetBounds(left, top, width, height);
}

}  // namespace

TForm2::TForm2() {
  SetCaption(std::string(kProgramCaption) + " by Ranel");
  SetBorderStyle(TBorderStyle::Dialog);
  SetStayOnTop(true);
  SetClientSize(433, 270);
  SetPosition(TPosition::ScreenCenter);

  BitBtn1.SetBounds(320, 216, 97, 41);
  Image1.SetBounds(0, 0, 432, 270);
  Image1.LoadFromResource("ABOUTPICTURE");
  SetUpLabels();
  Bevel1.SetShape(TBevelShape::TopLine);
  Bevel1.SetStyle(TBevelStyle::Raised);
  Bevel1.SetBounds(8, 168, 417, 97);
  SetUpLink(LightLabel1, TJumpType::jtMail, kAuthorMail, 112, 124);
  SetUpLink(LightLabel2, TJumpType::jtHome, kHomePage, 128, 191);
}

void TForm2::SetUpLabels() {
  SetUpLabel(Label1, "ズノ文献データベース 日本関係分", 32, 24, 364, 24,
             LabelFont(kPGothic, 24, kFontBold, kShiftJisCharset));
  SetUpLabel(Label2, "簡易検索プログラム", 48, 56, 186, 21,
             LabelFont(kPGothic, 21, kFontBold, kShiftJisCharset));
  // A member with its font and nothing to show.
  Label3.Font().Assign(LabelFont(kPGothic, 13, 0, kShiftJisCharset));
  Label3.SetTransparent(true);
  Label3.SetVisible(false);
  Label6.SetAutoSize(false);
  Label6.SetWordWrap(true);
  SetUpLabel(Label6, "背景の写真は海辺の砂丘に生える草で、Marco Cogoni さんが撮影しました。", 16,
             216, 257, 33, LabelFont(kPGothic, 13, 0, kShiftJisCharset));
  SetUpLabel(Label4, "ZUNO-SEARCH", 241, 57, 140, 22, LabelFont("Arial", 19, 0, ANSI_CHARSET));
}

void TForm2::SetUpLink(TLightLabel& link, TJumpType type, const char* target, int top, int width) {
  link.SetTransparent(true);
  link.SetColor(kColorBtnFace);
  // Set on the font objects themselves, not through the setters: the link
  // keeps showing its own font, underlined, until the pointer first leaves.
  link.Font().Assign(LabelFont(kPGothic, 12, kFontUnderline, kShiftJisCharset));
  link.Font().SetColor(kColorBlue);
  link.LightFont() = link.Font().Attributes();
  link.DefaultFont() = link.LightFont();
  link.DefaultFont().Style = 0;
  link.ClickFont() = link.DefaultFont();
  link.ClickFont().Color = kColorRed;
  link.SetLightColor(kColorBtnFace);
  link.SetDefaultColor(kColorBtnFace);
  link.SetClickColor(kColorBtnFace);
  link.SetJumpType(type);
  link.SetJumpTo(target);
  link.SetCaption(target);
  link.SetBounds(80, top, width, 12);
}

void ShowAboutWindow() { Application->CreateForm<TForm2>().Show(); }

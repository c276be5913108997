#include "widgets/font.h"

#include "widgets/screen.h"

#include <algorithm>

TFontAttributes DefaultFontAttributes() {
  TFontAttributes a;
  if (GetACP() == 932) {
    a.Name = "ＭＳ Ｐゴシック";
    a.Height = 12;
    a.Charset = kShiftJisCharset;
  } else {
    a.Name = "MS Sans Serif";
    a.Height = 11;
    a.Charset = DEFAULT_CHARSET;
  }
  return a;
}

TFont::TFont() : FAttributes(DefaultFontAttributes()) {}

TFont::~TFont() {
  if (FHandle != nullptr) DeleteObject(FHandle);
}

void TFont::Assign(const TFont& source) {
  if (&source != this) Assign(source.FAttributes);
}

void TFont::Assign(const TFontAttributes& attributes) {
  FAttributes = attributes;
  Changed();
}

void TFont::SetColor(TColor color) {
  FAttributes.Color = color;
  Changed();
}

HFONT TFont::Handle() const {
  if (FHandle == nullptr) {
    LOGFONTA lf{};
    // A negative height asks for the character height without internal leading.
    lf.lfHeight = -ScaleToScreen(FAttributes.Height);
    lf.lfWeight = (FAttributes.Style & kFontBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (FAttributes.Style & kFontItalic) ? TRUE : FALSE;
    lf.lfUnderline = (FAttributes.Style & kFontUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (FAttributes.Style & kFontStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = FAttributes.Charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = FAttributes.Pitch == TFontPitch::Fixed      ? FIXED_PITCH
                          : FAttributes.Pitch == TFontPitch::Variable ? VARIABLE_PITCH
                                                                      : DEFAULT_PITCH;
    const std::size_t n = std::min(FAttributes.Name.size(), std::size_t{LF_FACESIZE - 1});
    std::copy_n(FAttributes.Name.data(), n, lf.lfFaceName);
    FHandle = CreateFontIndirectA(&lf);
  }
  return FHandle;
}

void TFont::Changed() {
  if (FHandle != nullptr) {
    DeleteObject(FHandle);
    FHandle = nullptr;
  }
  if (OnChange) OnChange();
}

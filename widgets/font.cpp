#include "widgets/font.h"

#include "widgets/dpi.h"

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

TFont::TFont() : Attr(DefaultFontAttributes()) {}

TFont::~TFont() {
  if (Handle_ != nullptr) DeleteObject(Handle_);
}

void TFont::Assign(const TFont& source) {
  if (&source != this) Assign(source.Attr);
}

void TFont::Assign(const TFontAttributes& attributes) {
  Attr = attributes;
  Changed();
}

void TFont::SetColor(TColor color) {
  Attr.Color = color;
  Changed();
}

HFONT TFont::Handle() const {
  if (Handle_ == nullptr) {
    LOGFONTA lf{};
    // A negative height asks for the character height without internal leading.
    lf.lfHeight = -ScaleToScreen(Attr.Height);
    lf.lfWeight = (Attr.Style & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (Attr.Style & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (Attr.Style & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (Attr.Style & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = Attr.Charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = Attr.Pitch == TFontPitch::Fixed      ? FIXED_PITCH
                          : Attr.Pitch == TFontPitch::Variable ? VARIABLE_PITCH
                                                               : DEFAULT_PITCH;
    const std::size_t n = std::min(Attr.Name.size(), std::size_t{LF_FACESIZE - 1});
    std::copy_n(Attr.Name.data(), n, lf.lfFaceName);
    Handle_ = CreateFontIndirectA(&lf);
  }
  return Handle_;
}

void TFont::Changed() {
  if (Handle_ != nullptr) {
    DeleteObject(Handle_);
    Handle_ = nullptr;
  }
  if (OnChange) OnChange();
}

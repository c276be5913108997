#include "widgets/label.h"

#include "widgets/graphics.h"
#include "widgets/win_control.h"

TLabel::TLabel(TWinControl* parent) : TGraphicControl(parent) {}

void TLabel::Paint(HDC dc) {
  RECT r = BoundsRect();
  if (!FTransparent) FillColor(dc, r, FColor);
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ old = SelectObject(dc, Font().Handle());
  SetTextColor(dc, ColorToRGB(Enabled() ? Font().Attributes().Color : kColorGrayText));
  DrawTextA(dc, Caption().c_str(), static_cast<int>(Caption().size()), &r, TextFormat());
  SelectObject(dc, old);
}

void TLabel::SetColor(TColor color) {
  FColor = color;
  Invalidate();
}

void TLabel::SetTransparent(bool transparent) {
  FTransparent = transparent;
  Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
  FAutoSize = autoSize;
  AdjustSize();
}

void TLabel::SetWordWrap(bool wrap) {
  FWordWrap = wrap;
  AdjustSize();
  Invalidate();
}

void TLabel::CaptionChanged() {
  AdjustSize();
  TGraphicControl::CaptionChanged();
}

void TLabel::FontChanged() {
  AdjustSize();
  TGraphicControl::FontChanged();
}

void TLabel::BoundsChanged(const RECT& old) {
  TGraphicControl::BoundsChanged(old);
  AdjustSize();
}

UINT TLabel::TextFormat() const {
  // "&" marks an access key, shown underlined.
  return DT_LEFT | DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0);
}

void TLabel::AdjustSize() {
  if (!FAutoSize || FAdjusting) return;
  FSizeStale = true;
  if (Parent()->HandleAllocated()) MeasureText();
}

void TLabel::SettleBounds() {
  if (FSizeStale) MeasureText();
}

void TLabel::MeasureText() {
  FSizeStale = false;
  if (!FAutoSize) return;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font().Handle());
  RECT r = BoundsRect();
  // An empty caption still takes the height of one line.
  const std::string text = Caption().empty() ? std::string(" ") : Caption();
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFormat() | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  FAdjusting = true;
  SetScreenBounds(r);
  FAdjusting = false;
}

#include "widgets/label.h"

#include "widgets/graphics.h"
#include "widgets/win_control.h"

TLabel::TLabel(TWinControl* parent) : TGraphicControl(parent) {}

void TLabel::Paint(HDC dc) {
  RECT r = BoundsRect();
  if (!IsTransparent) FillColor(dc, r, Background);
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ old = SelectObject(dc, Font().Handle());
  SetTextColor(dc, ColorToRGB(Enabled() ? Font().Attributes().Color : clGrayText));
  DrawTextA(dc, Caption().c_str(), static_cast<int>(Caption().size()), &r, TextFormat());
  SelectObject(dc, old);
}

void TLabel::SetColor(TColor color) {
  Background = color;
  Invalidate();
}

void TLabel::SetTransparent(bool transparent) {
  IsTransparent = transparent;
  Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
  SizeToText = autoSize;
  AdjustSize();
}

void TLabel::SetWordWrap(bool wrap) {
  Wrap = wrap;
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
  return DT_LEFT | DT_EXPANDTABS | (Wrap ? DT_WORDBREAK : 0);
}

void TLabel::AdjustSize() {
  if (!SizeToText || Adjusting) return;
  SizeStale = true;
  if (Parent()->HandleAllocated()) MeasureText();
}

void TLabel::SettleBounds() {
  if (SizeStale) MeasureText();
}

void TLabel::MeasureText() {
  SizeStale = false;
  if (!SizeToText) return;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font().Handle());
  RECT r = BoundsRect();
  // An empty caption still takes the height of one line.
  const std::string text = Caption().empty() ? std::string(" ") : Caption();
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFormat() | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  Adjusting = true;
  SetScreenBounds(r);
  Adjusting = false;
}

#include "widgets/bit_btn.h"

#include "widgets/form.h"
#include "widgets/graphics.h"
#include "widgets/screen.h"

namespace {

constexpr int kGlyphSize = 18;  // design pixels
constexpr int kSpacing = 4;     // between glyph and caption

}  // namespace

TBitBtn::TBitBtn(TWinControl* parent, TBitBtnKind kind)
    : TButton(parent, BS_OWNERDRAW), FKind(kind) {
  if (kind == TBitBtnKind::Close) {
    SetCaption(kCloseCaption);
    FGlyph = LoadBitmapA(GetModuleHandleA(nullptr), "BBCLOSE");
  }
}

TBitBtn::~TBitBtn() {
  if (FGlyph != nullptr) DeleteObject(FGlyph);
}

void TBitBtn::Click() {
  if (FKind == TBitBtnKind::Close) {
    if (TForm* form = ParentForm()) form->Close();
    return;
  }
  TButton::Click();
}

LRESULT TBitBtn::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // A second quick press is a press like the first, not a double click.
  if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
  return TButton::WndProc(message, wParam, lParam);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  const bool disabled = item.itemState & ODS_DISABLED;
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

  HGDIOBJ oldFont = SelectObject(dc, Font().Handle());
  RECT text{0, 0, 0, 0};
  const UINT format = DT_SINGLELINE | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
  DrawTextA(dc, Caption().c_str(), -1, &text, format | DT_CALCRECT);
  const int glyph = FGlyph != nullptr ? ScaleToScreen(kGlyphSize) : 0;
  const int gap = FGlyph != nullptr && !Caption().empty() ? ScaleToScreen(kSpacing) : 0;
  const int textW = text.right - text.left, textH = text.bottom - text.top;
  // Glyph and caption are centred together; a pressed button shifts them.
  const int shift = pressed ? 1 : 0;
  int x = (r.left + r.right - (glyph + gap + textW)) / 2 + shift;
  const int midY = (r.top + r.bottom) / 2 + shift;
  if (FGlyph != nullptr) {
    const RECT part{disabled ? kGlyphSize : 0, 0, (disabled ? 2 : 1) * kGlyphSize, kGlyphSize};
    DrawTransparent(dc, RECT{x, midY - glyph / 2, x + glyph, midY - glyph / 2 + glyph}, FGlyph,
                    part);
    x += glyph + gap;
  }
  RECT place{x, midY - textH / 2, x + textW, midY - textH / 2 + textH};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  DrawTextA(dc, Caption().c_str(), -1, &place, format);
  SelectObject(dc, oldFont);
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    InflateRect(&r, -4, -4);
    DrawFocusRect(dc, &r);
  }
}

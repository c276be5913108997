#include "widgets/bevel.h"

#include "widgets/graphics.h"

namespace {

// A rectangle outline: first colour along the top and left, second along the
// bottom and right.
void Frame3D(HDC dc, const RECT& r, TColor topLeft, TColor bottomRight) {
  DrawLine(dc, r.left, r.bottom - 1, r.left, r.top, topLeft);
  DrawLine(dc, r.left, r.top, r.right - 1, r.top, topLeft);
  DrawLine(dc, r.right - 1, r.top, r.right - 1, r.bottom - 1, bottomRight);
  DrawLine(dc, r.right - 1, r.bottom - 1, r.left - 1, r.bottom - 1, bottomRight);
}

}  // namespace

TBevel::TBevel(TWinControl* parent) : TGraphicControl(parent) {}

void TBevel::SetShape(TBevelShape shape) {
  FShape = shape;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle style) {
  FStyle = style;
  Invalidate();
}

void TBevel::Paint(HDC dc) {
  const bool lowered = FStyle == TBevelStyle::Lowered;
  const TColor first = lowered ? kColorBtnShadow : kColorBtnHighlight;
  const TColor second = lowered ? kColorBtnHighlight : kColorBtnShadow;
  const RECT& r = BoundsRect();
  switch (FShape) {
    case TBevelShape::Box:
      Frame3D(dc, r, first, second);
      break;
    case TBevelShape::Frame: {
      RECT inner = r;
      inner.left++;
      inner.top++;
      RECT outer = r;
      outer.right--;
      outer.bottom--;
      Frame3D(dc, inner, second, second);
      Frame3D(dc, outer, first, first);
      break;
    }
    case TBevelShape::TopLine:
      DrawLine(dc, r.left, r.top, r.right, r.top, first);
      DrawLine(dc, r.left, r.top + 1, r.right, r.top + 1, second);
      break;
    case TBevelShape::BottomLine:
      DrawLine(dc, r.left, r.bottom - 2, r.right, r.bottom - 2, first);
      DrawLine(dc, r.left, r.bottom - 1, r.right, r.bottom - 1, second);
      break;
  }
}

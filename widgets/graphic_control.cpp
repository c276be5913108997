#include "widgets/graphic_control.h"

#include "widgets/win_control.h"

TGraphicControl::TGraphicControl(TWinControl* parent) : TControl(parent) {}

void TGraphicControl::Invalidate() { InvalidateInParent(BoundsRect()); }

void TGraphicControl::InvalidateInParent(const RECT& rect) {
  if (ParentOnScreen()) InvalidateRect(Parent()->Handle(), &rect, TRUE);
}

bool TGraphicControl::ParentOnScreen() const {
  // A window that is not on screen is painted whole when it is shown: marking
  // parts of it before would only cost calls to the window system.
  return Parent() != nullptr && Parent()->HandleAllocated() && IsWindowVisible(Parent()->Handle());
}

void TGraphicControl::MouseDown(TMouseButton button, int x, int y) {
  if (OnMouseDown) OnMouseDown(button, x, y);
}

void TGraphicControl::MouseUp(TMouseButton button, int x, int y) {
  if (OnMouseUp) OnMouseUp(button, x, y);
}

void TGraphicControl::Click() {
  if (OnClick) OnClick();
}

void TGraphicControl::DblClick() {
  if (OnDblClick) OnDblClick();
}

void TGraphicControl::BoundsChanged(const RECT& old) {
  InvalidateInParent(old);
  Invalidate();
}

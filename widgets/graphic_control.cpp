#include "widgets/graphic_control.h"

#include "widgets/win_control.h"

TGraphicControl::TGraphicControl(TWinControl* parent) : TControl(parent) {}

void TGraphicControl::Invalidate() {
  if (Parent() != nullptr && Parent()->Handle() != nullptr) {
    InvalidateRect(Parent()->Handle(), &BoundsRect(), TRUE);
  }
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
  if (Parent() != nullptr && Parent()->Handle() != nullptr) {
    InvalidateRect(Parent()->Handle(), &old, TRUE);
  }
  Invalidate();
}

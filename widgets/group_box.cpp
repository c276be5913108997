#include "widgets/group_box.h"

#include "widgets/graphics.h"

TGroupBox::TGroupBox(TWinControl* parent) : TWinControl(parent) {
  CreateChild("BUTTON", BS_GROUPBOX);
}

LRESULT TGroupBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) {
    // The platform leaves the inside unpainted, and the form clips it out.
    RECT r;
    GetClientRect(Handle(), &r);
    FillColor(reinterpret_cast<HDC>(wParam), r, kColorBtnFace);
    return TRUE;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

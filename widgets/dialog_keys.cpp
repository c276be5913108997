// The form's dialog handling of keys that no menu shortcut took: Tab and the
// arrow keys move the focus in tab order, Enter presses the focused button,
// and access keys pick the control whose caption marks them.

#include "widgets/form.h"

namespace {

bool KeyDown(int key) { return GetKeyState(key) < 0; }

LRESULT DialogCode(const MSG& msg) {
  return SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace

bool TForm::DialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  TWinControl* focused = FindControl(msg.hwnd);
  switch (msg.wParam) {
    case VK_TAB:
      if (KeyDown(VK_CONTROL) || (DialogCode(msg) & (DLGC_WANTTAB | DLGC_WANTALLKEYS))) {
        return false;
      }
      SelectNext(focused, !KeyDown(VK_SHIFT));
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (focused == nullptr || focused == this ||
          (DialogCode(msg) & (DLGC_WANTARROWS | DLGC_WANTALLKEYS))) {
        return false;
      }
      SelectNext(focused, msg.wParam == VK_RIGHT || msg.wParam == VK_DOWN);
      return true;
    case VK_RETURN:
      if (focused == nullptr || (DialogCode(msg) & DLGC_WANTALLKEYS)) return false;
      return focused->DialogEnter();
    default:
      return false;
  }
}

bool TForm::DialogChar(char ch) {
  for (TControl* child : Controls()) {
    auto* control = dynamic_cast<TWinControl*>(child);
    if (control != nullptr && control->CanFocus() && control->DialogChar(ch)) return true;
  }
  return false;
}

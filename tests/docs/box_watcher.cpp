#include "tests/docs/box_watcher.h"

namespace {

TBoxWatcher* Active = nullptr;

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (IsWindowVisible(window) && std::string(name) == "#32770") {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

bool HasStopIcon(HWND box) {
  // The icon is a static control with SS_ICON next to the text.
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        SendMessageA(child, STM_GETICON, 0, 0) != 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

TBoxWatcher::TBoxWatcher() : Timer(SetTimer(nullptr, 0, 40, &Tick)) { Active = this; }

TBoxWatcher::~TBoxWatcher() {
  KillTimer(nullptr, Timer);
  Active = nullptr;
}

void CALLBACK TBoxWatcher::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (Active == nullptr) return;
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
  if (box == nullptr) return;
  Active->Boxes.push_back({WindowText(GetDlgItem(box, 0xFFFF)), WindowText(box), HasStopIcon(box)});
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

void PumpFor(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  while (static_cast<int>(end - GetTickCount()) > 0) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  }
}

std::string WindowText(HWND window) {
  // Rich Edit reports its length in characters; double-byte text needs more.
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) * 2 + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

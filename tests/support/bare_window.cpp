// The smallest Win32 window program: the yardstick for the start-up benchmark.
// It shows one window titled "bare" and ends when it is closed. Started with
// the argument "controls", the window is titled "controls" and holds the main
// window's thirteen platform controls in their places, in the system's own
// font and without a menu: what the controls alone cost.

#include <windows.h>

#include <cstring>

namespace {

struct TChild {
  const char* ClassName;
  const char* Caption;
  DWORD Style;
  DWORD ExStyle;
  int Left, Top, Width, Height;
};

constexpr TChild kChildren[] = {
    {"BUTTON", "", BS_GROUPBOX, 0, 16, 8, 353, 81},
    {"BUTTON", "Close", BS_PUSHBUTTON, 0, 24, 312, 337, 52},
    {"EDIT", "", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 96, 32, 185, 24},
    {"BUTTON", "Text", BS_PUSHBUTTON, 0, 24, 240, 161, 57},
    {"BUTTON", "Clear 1", BS_PUSHBUTTON, 0, 272, 24, 89, 25},
    {"BUTTON", "html", BS_PUSHBUTTON, 0, 200, 240, 161, 57},
    {"EDIT", "", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 96, 64, 185, 24},
    {"BUTTON", "Clear 2", BS_PUSHBUTTON, 0, 272, 56, 89, 25},
    {"COMBOBOX", "", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0, 24, 138, 337, 283},
    {"BUTTON", "Add", BS_PUSHBUTTON, 0, 24, 168, 233, 33},
    {"BUTTON", "Delete", BS_PUSHBUTTON, 0, 264, 168, 97, 33},
    {"BUTTON", "Overwrite", BS_AUTOCHECKBOX, 0, 32, 216, 129, 17},
    {"BUTTON", "Choose", BS_PUSHBUTTON, 0, 264, 96, 97, 33},
};

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  const bool withControls = std::strcmp(commandLine, "controls") == 0;
  const char* title = withControls ? "controls" : "bare";
  WNDCLASSA wc{};
  wc.lpfnWndProc = &Proc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "bare";
  RegisterClassA(&wc);
  HWND window = CreateWindowA("bare", title, WS_OVERLAPPEDWINDOW, 74, 50, 392, 425, nullptr,
                              nullptr, instance, nullptr);
  if (withControls) {
    for (const TChild& c : kChildren) {
      CreateWindowExA(c.ExStyle, c.ClassName, c.Caption,
                      c.Style | WS_CHILD | WS_VISIBLE | WS_TABSTOP, c.Left, c.Top, c.Width,
                      c.Height, window, nullptr, instance, nullptr);
    }
  }
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

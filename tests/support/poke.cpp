// Drives a running zunoseek.exe from a script (for screenshots): presses keys
// in its main window, clicks one of its buttons, or closes the window in
// front.
//
//   zs_poke key VK [VK...]   hexadecimal virtual-key codes, pressed as a chord
//   zs_poke click CAPTION    the main window's button with that caption
//   zs_poke close            WM_CLOSE to the foreground window
//   zs_poke quit             WM_CLOSE to the main window, which ends the program
// Exit code 0 when done, 1 when the main window was not found.

#include <windows.h>

#include "tests/support/wine_test_support.h"

#include <string>
#include <vector>

namespace {

constexpr const char* kCaption = "ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ";

struct TButtonQuery {
  std::string Caption;
  HWND Found;
};

BOOL CALLBACK FindButton(HWND window, LPARAM param) {
  auto* q = reinterpret_cast<TButtonQuery*>(param);
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  if (q->Caption == text) {
    q->Found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string verb = argv[1];
  if (verb == "close") {
    PostMessageA(GetForegroundWindow(), WM_CLOSE, 0, 0);
    return 0;
  }
  HWND main = FindWindowA(nullptr, kCaption);
  if (main == nullptr) return 1;
  if (verb == "quit") {
    PostMessageA(main, WM_CLOSE, 0, 0);
  } else if (verb == "key") {
    std::vector<WORD> keys;
    for (int i = 2; i < argc; ++i)
      keys.push_back(static_cast<WORD>(std::stoul(argv[i], nullptr, 16)));
    SetForegroundWindow(main);
    Sleep(100);
    testsupport::SendChord(keys);
  } else if (verb == "click" && argc > 2) {
    TButtonQuery q{argv[2], nullptr};
    EnumChildWindows(main, &FindButton, reinterpret_cast<LPARAM>(&q));
    if (q.Found == nullptr) return 1;
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(q.Found), BN_CLICKED),
                 reinterpret_cast<LPARAM>(q.Found));
  } else {
    return 2;
  }
  return 0;
}

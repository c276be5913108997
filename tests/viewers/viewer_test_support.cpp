#include "tests/viewers/viewer_test_support.h"

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

std::vector<std::string> BoxTexts(const testsupport::TDialogWatcher& watcher, std::size_t from) {
  std::vector<std::string> texts;
  const auto& dialogs = watcher.Dialogs();
  for (std::size_t i = from; i < dialogs.size(); ++i) texts.push_back(dialogs[i].Text);
  return texts;
}

std::string ShippedDocument(const std::string& name) {
  return testsupport::ReadFileBytes(std::string(ZS_DIST_DIR) + name);
}

namespace {

BOOL CALLBACK CollectVisible(HWND window, LPARAM list) {
  if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() &&
      IsWindowVisible(window)) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> VisibleWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

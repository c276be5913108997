#include "tests/docs/viewer_test_support.h"

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

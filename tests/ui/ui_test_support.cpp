#include "tests/ui/ui_test_support.h"

#include "tests/support/wine_test_support.h"
#include "widgets/application.h"

#include <vector>

namespace uitest {

void Chord(std::initializer_list<WORD> keys) {
  testsupport::SendChord(keys);
  Settle();
}

void Settle(int ms) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
  do {
    Application->PumpPendingMessages();
    Sleep(10);
  } while (GetTickCount64() < end);
  Application->PumpPendingMessages();
}

void SetClipboardText(const std::string& text) {
  OpenClipboard(nullptr);
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  auto* bytes = static_cast<char*>(GlobalLock(memory));
  text.copy(bytes, text.size());
  bytes[text.size()] = '\0';
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

std::string ClipboardText() {
  std::string text;
  OpenClipboard(nullptr);
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

std::string TestKeyName() { return "zsearch_test_" + std::to_string(GetCurrentProcessId()); }

RECT RectInParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace uitest

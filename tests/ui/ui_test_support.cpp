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

std::string TestKeyName() { return "zsearch_test_" + std::to_string(GetCurrentProcessId()); }

RECT RectInParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace uitest

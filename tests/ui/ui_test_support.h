#pragma once
// Shared by the main window's in-process tests: real keyboard input, the
// clipboard, the registry key under test, and letting queued input arrive.

#include <windows.h>

#include "tests/support/wine_test_support.h"

#include <initializer_list>
#include <string>

namespace uitest {

// Presses the keys in order and releases them in reverse, as one chord.
void Chord(std::initializer_list<WORD> keys);
// Dispatches messages for a while, so that sent input has arrived and run.
void Settle(int ms = 150);

// A registry key below HKEY_CURRENT_USER private to this test process.
std::string TestKeyName();
using testsupport::DeleteKey;
using testsupport::ReadValue;

// The rectangle of a window in its parent's client coordinates.
RECT RectInParent(HWND window);

}  // namespace uitest

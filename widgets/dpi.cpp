#include "widgets/dpi.h"

#include <windows.h>

int ScreenDpi() {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    const int value = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return dpi;
}

int ScaleToScreen(int designPixels) { return MulDiv(designPixels, ScreenDpi(), 96); }

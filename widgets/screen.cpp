#include "widgets/screen.h"

namespace {

// The screen's pixels per inch, read once.
int ScreenDpi() {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    const int value = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return dpi;
}

}  // namespace

int ScaleToScreen(int designPixels) { return MulDiv(designPixels, ScreenDpi(), 96); }

RECT CentredOnScreen(int width, int height) {
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return RECT{x, y, x + width, y + height};
}

#pragma once
// Layouts are designed for 96 pixels per inch and scaled to the screen's.

#include <windows.h>

// The screen's pixels per inch, read once.
int ScreenDpi();
// A length in design pixels as screen pixels.
int ScaleToScreen(int designPixels);
// A rectangle of that size in screen pixels in the middle of the screen.
RECT CentredOnScreen(int width, int height);

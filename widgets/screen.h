#pragma once
// The screen the windows are laid out on: layouts are designed for 96 pixels
// per inch and scaled to the screen's, and some windows open in its middle.

#include <windows.h>

// A length in design pixels as screen pixels.
int ScaleToScreen(int designPixels);
// A rectangle of that size in screen pixels in the middle of the screen.
RECT CentredOnScreen(int width, int height);

#pragma once
// Layouts are designed for 96 pixels per inch and scaled to the screen's.

// The screen's pixels per inch, read once.
int ScreenDpi();
// A length in design pixels as screen pixels.
int ScaleToScreen(int designPixels);

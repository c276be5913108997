#pragma once
// Small drawing helpers shared by the controls that paint themselves.

#include "widgets/color_and_font.h"

#include <windows.h>

#include <string>

inline constexpr TColor kColorBtnShadow = 0xFF000010;
inline constexpr TColor kColorBtnHighlight = 0xFF000014;
inline constexpr TColor kColorGrayText = 0xFF000011;

// The RGB value of a colour, looking system colours up.
COLORREF ColorToRGB(TColor color);

// Fills a rectangle with a colour.
void FillColor(HDC dc, const RECT& rect, TColor color);

// A one-pixel line from (x0, y0) to (x1, y1), end point excluded.
void DrawLine(HDC dc, int x0, int y0, int x1, int y1, TColor color);

// Draws part of a bitmap scaled into dest, leaving out the pixels that have
// the colour of the part's bottom-left pixel.
void DrawTransparent(HDC dc, const RECT& dest, HBITMAP bitmap, const RECT& part);

#include "widgets/graphics.h"

COLORREF ColorToRGB(TColor color) {
  if ((color & 0xFF000000) == 0xFF000000) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0x00FFFFFF;
}

void FillColor(HDC dc, const RECT& rect, TColor color) {
  HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

void DrawLine(HDC dc, int x0, int y0, int x1, int y1, TColor color) {
  HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(color));
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
  SelectObject(dc, old);
  DeleteObject(pen);
}

void DrawTransparent(HDC dc, const RECT& dest, HBITMAP bitmap, const RECT& part) {
  const int w = part.right - part.left, h = part.bottom - part.top;
  const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  HDC image = CreateCompatibleDC(dc);
  HGDIOBJ oldImage = SelectObject(image, bitmap);
  // A mask that is white where the picture is transparent.
  HDC mask = CreateCompatibleDC(dc);
  HBITMAP maskBits = CreateBitmap(w, h, 1, 1, nullptr);
  HGDIOBJ oldMask = SelectObject(mask, maskBits);
  SetBkColor(image, GetPixel(image, part.left, part.bottom - 1));
  BitBlt(mask, 0, 0, w, h, image, part.left, part.top, SRCCOPY);
  // dest ^= image; dest &= mask; dest ^= image leaves the background where the
  // mask is white and the picture elsewhere.
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, dest.left, dest.top, dw, dh, image, part.left, part.top, w, h, SRCINVERT);
  StretchBlt(dc, dest.left, dest.top, dw, dh, mask, 0, 0, w, h, SRCAND);
  StretchBlt(dc, dest.left, dest.top, dw, dh, image, part.left, part.top, w, h, SRCINVERT);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  SelectObject(mask, oldMask);
  DeleteObject(maskBits);
  DeleteDC(mask);
  SelectObject(image, oldImage);
  DeleteDC(image);
}

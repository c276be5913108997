#include "tests/support/screen_image.h"

namespace testsupport {

bool IsDark(COLORREF c) {
  return GetRValue(c) < 0x80 && GetGValue(c) < 0x80 && GetBValue(c) < 0x80;
}

TScreenImage::TScreenImage(const RECT& area) : Area(area), Width(area.right - area.left) {
  const int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = Width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, Width, height, screen, area.left, area.top, SRCCOPY);
  const auto* pixels = static_cast<const DWORD*>(bits);
  for (int i = 0; i < Width * height; ++i) {
    const DWORD p = pixels[i];  // 0x00RRGGBB
    Pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

int TScreenImage::Count(COLORREF color) const {
  int n = 0;
  for (COLORREF c : Pixels) n += c == color;
  return n;
}

std::vector<TRun> TScreenImage::Runs(bool columns, int gap,
                                     const std::function<bool(COLORREF)>& ink) const {
  const int along = columns ? Width : Area.bottom - Area.top;
  const int across = columns ? Area.bottom - Area.top : Width;
  const int origin = columns ? Area.left : Area.top;
  std::vector<TRun> runs;
  int blank = gap;
  for (int i = 0; i < along; ++i) {
    bool found = false;
    for (int j = 0; j < across && !found; ++j) {
      found = ink(Pixels[static_cast<std::size_t>(columns ? j * Width + i : i * Width + j)]);
    }
    if (!found) {
      ++blank;
    } else if (blank >= gap) {
      runs.push_back({origin + i, origin + i});
      blank = 0;
    } else {
      runs.back().Last = origin + i;
      blank = 0;
    }
  }
  return runs;
}

}  // namespace testsupport

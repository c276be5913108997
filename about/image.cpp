#include "about/image.h"

#include "docs/system_error.h"
#include "widgets/dpi.h"

TImage::TImage(TWinControl* parent) : TGraphicControl(parent) {}

TImage::~TImage() {
  if (Bitmap != nullptr) DeleteObject(Bitmap);
}

void TImage::LoadFromResource(const char* name) {
  auto* bitmap = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (bitmap == nullptr) throw std::runtime_error(SystemErrorText(GetLastError()));
  if (Bitmap != nullptr) DeleteObject(Bitmap);
  Bitmap = bitmap;
  BITMAP info{};
  GetObjectA(Bitmap, sizeof info, &info);
  PictureSize = {info.bmWidth, info.bmHeight};
  const RECT& r = BoundsRect();
  SetScreenBounds(
      {r.left, r.top, r.left + ScaleToScreen(info.bmWidth), r.top + ScaleToScreen(info.bmHeight)});
}

void TImage::Paint(HDC dc) {
  if (Bitmap == nullptr) return;
  const RECT& r = BoundsRect();
  const int width = ScaleToScreen(PictureSize.cx), height = ScaleToScreen(PictureSize.cy);
  const int left = r.left + (Width() - width) / 2, top = r.top + (Height() - height) / 2;
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, Bitmap);
  if (width == PictureSize.cx && height == PictureSize.cy) {
    BitBlt(dc, left, top, width, height, memory, 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, left, top, width, height, memory, 0, 0, PictureSize.cx, PictureSize.cy, SRCCOPY);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
}

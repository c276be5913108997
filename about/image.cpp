#include "about/image.h"

#include "platform/system_error.h"
#include "widgets/screen.h"

TImage::TImage(TWinControl* parent) : TGraphicControl(parent) {}

TImage::~TImage() {
  if (FBitmap != nullptr) DeleteObject(FBitmap);
}

namespace {

// The pixel size that a bitmap resource's header gives, in either of the two
// header forms; false when there is no such resource.
bool ResourceBitmapSize(const char* name, SIZE& size) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(2));  // RT_BITMAP
  HGLOBAL data = found != nullptr ? LoadResource(module, found) : nullptr;
  const void* bytes = data != nullptr ? LockResource(data) : nullptr;
  const DWORD length = found != nullptr ? SizeofResource(module, found) : 0;
  if (bytes == nullptr || length < sizeof(BITMAPCOREHEADER)) return false;
  const auto* core = static_cast<const BITMAPCOREHEADER*>(bytes);
  if (core->bcSize == sizeof(BITMAPCOREHEADER)) {
    size = {core->bcWidth, core->bcHeight};
    return true;
  }
  if (length < sizeof(BITMAPINFOHEADER)) return false;
  const auto* info = static_cast<const BITMAPINFOHEADER*>(bytes);
  size = {info->biWidth, info->biHeight < 0 ? -info->biHeight : info->biHeight};
  return true;
}

}  // namespace

void TImage::LoadFromResource(const char* name) {
  SIZE size{};
  if (!ResourceBitmapSize(name, size)) throw std::runtime_error(SystemErrorText(GetLastError()));
  if (FBitmap != nullptr) DeleteObject(FBitmap);
  FBitmap = nullptr;
  FResourceName = name;
  FPictureSize = size;
  const RECT& r = BoundsRect();
  SetScreenBounds({r.left, r.top, r.left + ScaleToScreen(size.cx), r.top + ScaleToScreen(size.cy)});
}

void TImage::Paint(HDC dc) {
  if (FBitmap == nullptr && !FResourceName.empty()) {
    FBitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), FResourceName.c_str(),
                                              IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
  if (FBitmap == nullptr) return;
  const RECT& r = BoundsRect();
  const int width = ScaleToScreen(FPictureSize.cx), height = ScaleToScreen(FPictureSize.cy);
  const int left = r.left + (Width() - width) / 2, top = r.top + (Height() - height) / 2;
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, FBitmap);
  if (width == FPictureSize.cx && height == FPictureSize.cy) {
    BitBlt(dc, left, top, width, height, memory, 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, left, top, width, height, memory, 0, 0, FPictureSize.cx, FPictureSize.cy,
               SRCCOPY);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
}

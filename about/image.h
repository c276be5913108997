#pragma once
// A picture control: a bitmap resource painted by the parent, the control
// sized to the picture and the picture centred in it.

#include "widgets/graphic_control.h"

#include <windows.h>

class TImage : public TGraphicControl {
 public:
  explicit TImage(TWinControl* parent);
  ~TImage() override;

  // Loads the named bitmap resource of the program and takes its size (in
  // design pixels, so that it is scaled with the layout).
  void LoadFromResource(const char* name);
  void Paint(HDC dc) override;

 private:
  HBITMAP Bitmap = nullptr;
  SIZE PictureSize{};
};

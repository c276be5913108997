#pragma once
// A picture control: a bitmap resource painted by the parent, the control
// sized to the picture and the picture centred in it.

#include "widgets/graphic_control.h"

#include <windows.h>

#include <string>

class TImage : public TGraphicControl {
 public:
  explicit TImage(TWinControl* parent);
  ~TImage() override;

  // Takes the named bitmap resource of the program and its size (in design
  // pixels, so that it is scaled with the layout). The picture itself is
  // made when it is first painted: a window never shown never holds it.
  void LoadFromResource(const char* name);
  void Paint(HDC dc) override;

 private:
  std::string FResourceName;
  HBITMAP FBitmap = nullptr;
  SIZE FPictureSize{};
};

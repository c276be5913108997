#pragma once
// A bevel painted by its parent: a frame or a line, sunken or raised.

#include "widgets/graphic_control.h"

enum class TBevelShape { Box, Frame, TopLine, BottomLine };
enum class TBevelStyle { Lowered, Raised };

class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TWinControl* parent);

  void SetShape(TBevelShape shape);
  void SetStyle(TBevelStyle style);
  void Paint(HDC dc) override;

 private:
  TBevelShape FShape = TBevelShape::Box;
  TBevelStyle FStyle = TBevelStyle::Lowered;
};

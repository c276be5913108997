#pragma once
// A platform group box: a captioned frame that holds windowless controls
// (labels) painted over it. It takes no focus.

#include "widgets/win_control.h"

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TWinControl* parent);

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

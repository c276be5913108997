#pragma once
// Routes a window's mouse messages to the windowless controls it holds:
// exactly one entry and one exit per passage of the pointer (also while a
// control holds the capture after a press), presses, releases and clicks.

#include <windows.h>

class TControl;
class TGraphicControl;
class TWinControl;

class TMouseRouter {
 public:
  explicit TMouseRouter(TWinControl& owner) : Owner(owner) {}
  TMouseRouter(const TMouseRouter&) = delete;
  TMouseRouter& operator=(const TMouseRouter&) = delete;

  // Handles one message of the owner window; other messages are ignored.
  void Route(UINT message, WPARAM wParam, LPARAM lParam);
  // Forgets a control that is being destroyed.
  void Forget(const TControl* control);

 private:
  TGraphicControl* HitTest(POINT point) const;
  void SetHover(TGraphicControl* control);
  void TrackLeave();
  void Press(TGraphicControl* control, int button, bool doubleClick, POINT point);
  void Release(int button, POINT point);

  TWinControl& Owner;
  TGraphicControl* Hover = nullptr;
  TGraphicControl* Captured = nullptr;
  bool CapturedByDoubleClick = false;
  bool TrackingLeave = false;
};

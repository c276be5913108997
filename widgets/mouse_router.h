#pragma once
// Routes a window's mouse messages to the windowless controls it holds:
// exactly one entry and one exit per passage of the pointer (also while a
// control holds the capture after a press), presses, releases and clicks.
// Platform controls route their own mouse messages through here as well, so
// the router takes and releases only the capture it set itself: a button or
// an edit that captured the mouse on its press must still have it when its
// button-up arrives, or it would neither click nor finish a selection.

#include <windows.h>

class TControl;
class TGraphicControl;
class TWinControl;

class TMouseRouter {
 public:
  explicit TMouseRouter(TWinControl& owner) : FOwner(owner) {}
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

  TWinControl& FOwner;
  TGraphicControl* FHover = nullptr;
  TGraphicControl* FCaptured = nullptr;
  bool FCapturedByDoubleClick = false;
  bool FOwnsCapture = false;  // the owner's capture was set here, for FCaptured
  bool FTrackingLeave = false;
};

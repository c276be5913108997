#pragma once
// A control without a window of its own: its parent paints it and routes the
// mouse to it (pointer entry and exit, presses with capture, clicks).

#include "widgets/control.h"

#include <functional>

enum class TMouseButton { Left, Right, Middle };

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TWinControl* parent);

  // Paints the control into its parent's device context; BoundsRect() is
  // where it lies in that context.
  virtual void Paint(HDC dc) = 0;
  // Has the parent repaint the control's rectangle.
  void Invalidate();

  // Notifications from the parent's mouse routing; coordinates are relative
  // to the control. The defaults raise the events below.
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown(TMouseButton button, int x, int y);
  virtual void MouseUp(TMouseButton button, int x, int y);
  // A left press and release within the bounds, not the second of a double click.
  virtual void Click();
  virtual void DblClick();

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void(TMouseButton, int, int)> OnMouseDown;
  std::function<void(TMouseButton, int, int)> OnMouseUp;

 protected:
  void BoundsChanged(const RECT& old) override;
  void CaptionChanged() override { Invalidate(); }
  void FontChanged() override { Invalidate(); }
  void StateChanged() override { Invalidate(); }

 private:
  void InvalidateInParent(const RECT& rect);
  bool ParentOnScreen() const;
};

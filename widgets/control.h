#pragma once
// The base of every control: a place in its parent, a caption and a font.
// Windowless controls (TGraphicControl) are painted by their parent; the
// others (TWinControl) own a window.

#include "widgets/font.h"

#include <windows.h>

#include <string>

class TWinControl;
class TForm;

class TControl {
 public:
  // Registers with the parent, whose font the new control starts with.
  explicit TControl(TWinControl* parent);
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  TWinControl* Parent() const { return FParent; }
  // The form that holds the control (itself for a form).
  TForm* ParentForm();

  // Place and size in design pixels (96 per inch), scaled to the screen.
  void SetBounds(int left, int top, int width, int height);
  // The rectangle in screen pixels, relative to the parent's client area, as
  // last set or measured.
  const RECT& BoundsRect() const { return FBounds; }
  int Width() const { return FBounds.right - FBounds.left; }
  int Height() const { return FBounds.bottom - FBounds.top; }
  // Measures a size that waits for it (see TLabel), then gives the rectangle.
  const RECT& SettledBoundsRect() {
    SettleBounds();
    return FBounds;
  }
  // Brings a size that waits to be measured up to date (see TLabel).
  virtual void SettleBounds() {}

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);

  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }

  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);

 protected:
  // Sets the rectangle in screen pixels, as autosizing controls do.
  void SetScreenBounds(const RECT& rect);
  // Records where the window already is, without moving it.
  void RecordBounds(const RECT& rect) { FBounds = rect; }

  virtual void BoundsChanged(const RECT& /*old*/) {}
  virtual void CaptionChanged() {}
  virtual void FontChanged() {}
  virtual void StateChanged() {}

 private:
  TWinControl* FParent;
  RECT FBounds{};
  std::string FCaption;
  TFont FFont;
  bool FVisible = true;
  bool FEnabled = true;
};

#include "widgets/control.h"

#include "widgets/dpi.h"
#include "widgets/form.h"
#include "widgets/win_control.h"

TControl::TControl(TWinControl* parent) : ParentControl(parent) {
  if (parent != nullptr) {
    ControlFont.Assign(parent->Font());
    parent->InsertControl(this);
  }
  ControlFont.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  if (ParentControl != nullptr) ParentControl->RemoveControl(this);
}

TForm* TControl::ParentForm() {
  TControl* control = this;
  while (control != nullptr) {
    if (auto* form = dynamic_cast<TForm*>(control)) return form;
    control = control->ParentControl;
  }
  return nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  const int x = ScaleToScreen(left), y = ScaleToScreen(top);
  SetScreenBounds(RECT{x, y, x + ScaleToScreen(width), y + ScaleToScreen(height)});
}

void TControl::SetScreenBounds(const RECT& rect) {
  const RECT old = Bounds;
  Bounds = rect;
  BoundsChanged(old);
}

void TControl::SetCaption(const std::string& caption) {
  CaptionText = caption;
  CaptionChanged();
}

void TControl::SetVisible(bool visible) {
  IsVisible = visible;
  StateChanged();
}

void TControl::SetEnabled(bool enabled) {
  IsEnabled = enabled;
  StateChanged();
}

#include "widgets/control.h"

#include "widgets/form.h"
#include "widgets/screen.h"
#include "widgets/win_control.h"

TControl::TControl(TWinControl* parent) : FParent(parent) {
  if (parent != nullptr) {
    FFont.Assign(parent->Font());
    parent->InsertControl(this);
  }
  FFont.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  if (FParent != nullptr) FParent->RemoveControl(this);
}

TForm* TControl::ParentForm() {
  TControl* control = this;
  while (control != nullptr) {
    if (auto* form = dynamic_cast<TForm*>(control)) return form;
    control = control->FParent;
  }
  return nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  const int x = ScaleToScreen(left), y = ScaleToScreen(top);
  SetScreenBounds(RECT{x, y, x + ScaleToScreen(width), y + ScaleToScreen(height)});
}

void TControl::SetScreenBounds(const RECT& rect) {
  const RECT old = FBounds;
  FBounds = rect;
  BoundsChanged(old);
}

void TControl::SetCaption(const std::string& caption) {
  FCaption = caption;
  CaptionChanged();
}

void TControl::SetVisible(bool visible) {
  FVisible = visible;
  StateChanged();
}

void TControl::SetEnabled(bool enabled) {
  FEnabled = enabled;
  StateChanged();
}

#include "widgets/mouse_router.h"

#include "widgets/graphic_control.h"
#include "widgets/win_control.h"

#include <windowsx.h>

namespace {

constexpr int kLeft = 0, kRight = 1, kMiddle = 2;

TMouseButton ButtonOf(int button) {
  return button == kLeft    ? TMouseButton::Left
         : button == kRight ? TMouseButton::Right
                            : TMouseButton::Middle;
}

bool Contains(const TGraphicControl& control, POINT point) {
  return PtInRect(&control.BoundsRect(), point) != FALSE;
}

}  // namespace

void TMouseRouter::Route(UINT message, WPARAM, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_MOUSEMOVE:
      if (Captured != nullptr) {
        SetHover(Contains(*Captured, point) ? Captured : nullptr);
      } else {
        SetHover(HitTest(point));
      }
      break;
    case WM_MOUSELEAVE:
      TrackingLeave = false;
      if (Captured == nullptr) SetHover(nullptr);
      break;
    case WM_LBUTTONDOWN:
      Press(HitTest(point), kLeft, false, point);
      break;
    case WM_LBUTTONDBLCLK:
      Press(HitTest(point), kLeft, true, point);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      Press(HitTest(point), kRight, false, point);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      Press(HitTest(point), kMiddle, false, point);
      break;
    case WM_LBUTTONUP:
      Release(kLeft, point);
      break;
    case WM_RBUTTONUP:
      Release(kRight, point);
      break;
    case WM_MBUTTONUP:
      Release(kMiddle, point);
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != Owner.Handle()) {
        Captured = nullptr;
        OwnsCapture = false;
      }
      break;
    default:
      break;
  }
}

void TMouseRouter::Forget(const TControl* control) {
  if (static_cast<const TControl*>(Hover) == control) Hover = nullptr;
  if (static_cast<const TControl*>(Captured) == control) Captured = nullptr;
}

TGraphicControl* TMouseRouter::HitTest(POINT point) const {
  // The last created lies on top.
  const auto& controls = Owner.Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    auto* graphic = dynamic_cast<TGraphicControl*>(*it);
    if (graphic != nullptr && graphic->Visible() && graphic->Enabled() &&
        Contains(*graphic, point)) {
      return graphic;
    }
  }
  return nullptr;
}

void TMouseRouter::SetHover(TGraphicControl* control) {
  if (control == Hover) return;
  TGraphicControl* old = Hover;
  Hover = control;
  if (old != nullptr) old->MouseLeave();
  if (Hover != nullptr) {
    TrackLeave();
    Hover->MouseEnter();
  }
}

void TMouseRouter::TrackLeave() {
  if (TrackingLeave) return;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Owner.Handle(), 0};
  TrackingLeave = TrackMouseEvent(&track) != FALSE;
}

void TMouseRouter::Press(TGraphicControl* control, int button, bool doubleClick, POINT point) {
  if (control == nullptr) return;
  SetHover(control);
  if (button == kLeft) {
    Captured = control;
    CapturedByDoubleClick = doubleClick;
    SetCapture(Owner.Handle());
    OwnsCapture = true;
    if (doubleClick) control->DblClick();
  }
  const RECT& r = control->BoundsRect();
  control->MouseDown(ButtonOf(button), point.x - r.left, point.y - r.top);
}

void TMouseRouter::Release(int button, POINT point) {
  TGraphicControl* control = nullptr;
  bool click = false;
  if (button == kLeft) {
    control = Captured;
    click = control != nullptr && !CapturedByDoubleClick && Contains(*control, point);
    Captured = nullptr;
    if (OwnsCapture) {
      OwnsCapture = false;
      if (GetCapture() == Owner.Handle()) ReleaseCapture();
    }
  } else {
    control = HitTest(point);
  }
  if (control != nullptr) {
    if (click) control->Click();
    const RECT& r = control->BoundsRect();
    control->MouseUp(ButtonOf(button), point.x - r.left, point.y - r.top);
  }
  if (button == kLeft) SetHover(HitTest(point));
}

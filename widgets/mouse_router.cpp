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
      if (FCaptured != nullptr) {
        SetHover(Contains(*FCaptured, point) ? FCaptured : nullptr);
      } else {
        SetHover(HitTest(point));
      }
      break;
    case WM_MOUSELEAVE:
      FTrackingLeave = false;
      if (FCaptured == nullptr) SetHover(nullptr);
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
      if (reinterpret_cast<HWND>(lParam) != FOwner.Handle()) {
        FCaptured = nullptr;
        FOwnsCapture = false;
      }
      break;
    default:
      break;
  }
}

void TMouseRouter::Forget(const TControl* control) {
  if (static_cast<const TControl*>(FHover) == control) FHover = nullptr;
  if (static_cast<const TControl*>(FCaptured) == control) FCaptured = nullptr;
}

TGraphicControl* TMouseRouter::HitTest(POINT point) const {
  // The last created lies on top.
  const auto& controls = FOwner.Controls();
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
  if (control == FHover) return;
  TGraphicControl* old = FHover;
  FHover = control;
  if (old != nullptr) old->MouseLeave();
  if (FHover != nullptr) {
    TrackLeave();
    FHover->MouseEnter();
  }
}

void TMouseRouter::TrackLeave() {
  if (FTrackingLeave) return;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, FOwner.Handle(), 0};
  FTrackingLeave = TrackMouseEvent(&track) != FALSE;
}

void TMouseRouter::Press(TGraphicControl* control, int button, bool doubleClick, POINT point) {
  if (control == nullptr) return;
  SetHover(control);
  if (button == kLeft) {
    FCaptured = control;
    FCapturedByDoubleClick = doubleClick;
    SetCapture(FOwner.Handle());
    FOwnsCapture = true;
    if (doubleClick) control->DblClick();
  }
  const RECT& r = control->BoundsRect();
  control->MouseDown(ButtonOf(button), point.x - r.left, point.y - r.top);
}

void TMouseRouter::Release(int button, POINT point) {
  TGraphicControl* control = nullptr;
  bool click = false;
  if (button == kLeft) {
    control = FCaptured;
    click = control != nullptr && !FCapturedByDoubleClick && Contains(*control, point);
    FCaptured = nullptr;
    if (FOwnsCapture) {
      FOwnsCapture = false;
      if (GetCapture() == FOwner.Handle()) ReleaseCapture();
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

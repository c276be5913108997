#include "widgets/win_control.h"

#include "widgets/application.h"
#include "widgets/form.h"
#include "widgets/graphic_control.h"

#include <algorithm>

namespace {

bool IsMouseMessage(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK) || message == WM_MOUSELEAVE ||
         message == WM_CAPTURECHANGED;
}

}  // namespace

TWinControl::TWinControl(TWinControl* parent) : TControl(parent) {
  // Next in tab order after the controls made before it: the parent already
  // lists this one.
  if (parent != nullptr) FTabOrder = static_cast<int>(parent->FControls.size()) - 1;
}

TWinControl::~TWinControl() { DestroyWindowNow(); }

HWND TWinControl::HandleNeeded() {
  if (FHandle == nullptr && FClassName != nullptr) {
    if (Parent() == nullptr) {
      CreateWindowHandle();
    } else {
      // Made through the parent, so that the windows of a form's controls come
      // into being in the order of the objects, which is their order on screen.
      Parent()->CreateChildWindows();
    }
  }
  return FHandle;
}

TWinControl* TWinControl::FromHandle(HWND window) {
  // The object sits in the window's user data, which every message reads
  // without a call to the window system (a window property costs one); the
  // window procedure tells our windows from others that use that slot.
  if (window == nullptr ||
      GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&ControlProc)) {
    return nullptr;
  }
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

TWinControl* TWinControl::FindControl(HWND window) {
  for (; window != nullptr; window = GetAncestor(window, GA_PARENT)) {
    if (TWinControl* control = FromHandle(window)) return control;
    if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0) break;
  }
  return nullptr;
}

void TWinControl::SetTabStop(bool stop) {
  FTabStop = stop;
  if (FHandle == nullptr) return;
  const LONG style = GetWindowLongA(FHandle, GWL_STYLE);
  SetWindowLongA(FHandle, GWL_STYLE, stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

bool TWinControl::CanFocus() const {
  return FHandle != nullptr && IsWindowVisible(FHandle) && IsWindowEnabled(FHandle);
}

void TWinControl::SetFocus() {
  if (FHandle != nullptr) ::SetFocus(FHandle);
}

bool TWinControl::PreProcessKey(const MSG& msg) {
  TForm* form = ParentForm();
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      const TShortCut shortCut = ShortCutOfKey(msg);
      if (form != nullptr && form->RunShortCut(shortCut)) return true;
      // The main form's menu also serves keys typed in other forms.
      if (form != Application->MainForm() && Application->RunShortCut(shortCut)) return true;
      return form != nullptr && form->DialogKey(msg);
    }
    case WM_CHAR: {
      // Access keys without Alt only where the focused window takes no text.
      const auto code =
          SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
      if (code & DLGC_WANTCHARS) return false;
      return form != nullptr && form->DialogChar(static_cast<char>(msg.wParam));
    }
    case WM_SYSCHAR:
      return form != nullptr && form->DialogChar(static_cast<char>(msg.wParam));
    default:
      return false;
  }
}

void TWinControl::CreateChildWindows() {
  if (FChildWindowsMade || HandleNeeded() == nullptr) return;
  FChildWindowsMade = true;
  for (std::size_t i = 0; i < FControls.size(); ++i) {
    auto* control = dynamic_cast<TWinControl*>(FControls[i]);
    if (control == nullptr) {
      // Sized before the first paint, so that painting moves nothing.
      FControls[i]->SettleBounds();
    } else if (control->FClassName != nullptr && control->FHandle == nullptr) {
      control->CreateWindowHandle();
      control->CreateChildWindows();
    }
  }
}

void TWinControl::CreateChild(const char* className, DWORD style, DWORD exStyle) {
  FClassName = className;
  FStyle = style;
  FExStyle = exStyle;
  if (Parent()->FChildWindowsMade) {
    CreateWindowHandle();
    CreateChildWindows();
  }
}

void TWinControl::CreateWindowHandle() {
  // Place, caption, font and state may have been set before: the window
  // starts with them.
  const RECT& r = BoundsRect();
  const DWORD state =
      (Visible() ? WS_VISIBLE : 0) | (Enabled() ? 0 : WS_DISABLED) | (FTabStop ? WS_TABSTOP : 0);
  HWND window = CreateWindowExA(FExStyle, FClassName, Caption().c_str(),
                                FStyle | WS_CHILD | WS_CLIPSIBLINGS | state, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, Parent()->FHandle, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  // The newest control lies on top of its siblings.
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Attach(window);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
}

void TWinControl::Attach(HWND window) {
  FHandle = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  FPlatformProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlProc)));
}

void TWinControl::Detach() {
  if (FHandle == nullptr) return;
  SetWindowLongPtrA(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FPlatformProc));
  SetWindowLongPtrA(FHandle, GWLP_USERDATA, 0);
  FHandle = nullptr;
  FClassName = nullptr;
}

void TWinControl::DestroyWindowNow() {
  if (FHandle == nullptr) return;
  HWND window = FHandle;
  Detach();
  DestroyWindow(window);
}

LRESULT CALLBACK TWinControl::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FromHandle(window);
  if (control == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const WNDPROC platform = control->FPlatformProc;
    control->Detach();
    return CallWindowProcA(platform, window, message, wParam, lParam);
  }
  try {
    return control->WndProc(message, wParam, lParam);
  } catch (const std::exception& error) {
    Application->ShowException(error);
    return 0;
  }
}

LRESULT TWinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(FPlatformProc, FHandle, message, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam != 0) {
        if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
          child->CommandNotify(HIWORD(wParam));
          return 0;
        }
      } else if (HIWORD(wParam) == 0) {
        MenuCommand(LOWORD(wParam));
        return 0;
      }
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (TWinControl* child = FromHandle(item->hwndItem)) {
        child->DrawItem(*item);
        return TRUE;
      }
      break;
    }
    case WM_PAINT:
      if (FControls.empty()) break;
      {
        // The platform paints first, then the windowless children go on top.
        const LRESULT result = DefaultHandler(message, wParam, lParam);
        HDC dc = GetDC(FHandle);
        PaintControls(dc);
        ReleaseDC(FHandle, dc);
        return result;
      }
    case WM_SETFOCUS:
      if (TForm* form = ParentForm(); form != nullptr && form != this) form->FocusChanged(this);
      break;
    default:
      if (IsMouseMessage(message)) FMouse.Route(message, wParam, lParam);
      break;
  }
  return DefaultHandler(message, wParam, lParam);
}

void TWinControl::PaintControls(HDC dc) {
  RECT clip;
  GetClipBox(dc, &clip);
  for (TControl* child : FControls) {
    auto* graphic = dynamic_cast<TGraphicControl*>(child);
    RECT overlap;
    if (graphic != nullptr && graphic->Visible() &&
        IntersectRect(&overlap, &graphic->BoundsRect(), &clip)) {
      const int saved = SaveDC(dc);
      const RECT& r = graphic->BoundsRect();
      IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
      graphic->Paint(dc);
      RestoreDC(dc, saved);
    }
  }
}

void TWinControl::BoundsChanged(const RECT&) {
  if (FHandle == nullptr) return;
  const RECT& r = BoundsRect();
  SetWindowPos(FHandle, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::CaptionChanged() {
  if (FHandle != nullptr) SetWindowTextA(FHandle, Caption().c_str());
}

void TWinControl::FontChanged() {
  if (FHandle != nullptr) {
    SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  }
}

void TWinControl::StateChanged() {
  if (FHandle == nullptr) return;
  if (Visible() != (IsWindowVisible(FHandle) != FALSE)) {
    ShowWindow(FHandle, Visible() ? SW_SHOWNA : SW_HIDE);
  }
  EnableWindow(FHandle, Enabled() ? TRUE : FALSE);
}

void TWinControl::InsertControl(TControl* control) { FControls.push_back(control); }

void TWinControl::RemoveControl(TControl* control) {
  FMouse.Forget(control);
  FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
}

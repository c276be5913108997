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
  if (parent != nullptr) Tab = static_cast<int>(parent->Children.size()) - 1;
}

TWinControl::~TWinControl() { DestroyWindowNow(); }

HWND TWinControl::HandleNeeded() {
  if (Window == nullptr && ClassName != nullptr) {
    if (Parent() == nullptr) {
      CreateWindowHandle();
    } else {
      // Made through the parent, so that the windows of a form's controls come
      // into being in the order of the objects, which is their order on screen.
      Parent()->CreateChildWindows();
    }
  }
  return Window;
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
  Stop = stop;
  if (Window == nullptr) return;
  const LONG style = GetWindowLongA(Window, GWL_STYLE);
  SetWindowLongA(Window, GWL_STYLE, stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

bool TWinControl::CanFocus() const {
  return Window != nullptr && IsWindowVisible(Window) && IsWindowEnabled(Window);
}

void TWinControl::SetFocus() {
  if (Window != nullptr) ::SetFocus(Window);
}

bool TWinControl::PreProcessKey(const MSG& msg) {
  TForm* form = ParentForm();
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      const TShortCut shortCut = ShortCutOfKey(msg);
      if (form != nullptr && form->IsShortCut(shortCut)) return true;
      if (Application->IsShortCut(shortCut)) return true;
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
  if (ChildWindowsMade || HandleNeeded() == nullptr) return;
  ChildWindowsMade = true;
  for (std::size_t i = 0; i < Children.size(); ++i) {
    auto* control = dynamic_cast<TWinControl*>(Children[i]);
    if (control == nullptr) {
      // Sized before the first paint, so that painting moves nothing.
      Children[i]->SettleBounds();
    } else if (control->ClassName != nullptr && control->Window == nullptr) {
      control->CreateWindowHandle();
      control->CreateChildWindows();
    }
  }
}

void TWinControl::CreateChild(const char* className, DWORD style, DWORD exStyle) {
  ClassName = className;
  Style = style;
  ExStyle = exStyle;
  if (Parent()->ChildWindowsMade) {
    CreateWindowHandle();
    CreateChildWindows();
  }
}

void TWinControl::CreateWindowHandle() {
  // Place, caption, font and state may have been set before: the window
  // starts with them.
  const RECT& r = BoundsRect();
  const DWORD state =
      (Visible() ? WS_VISIBLE : 0) | (Enabled() ? 0 : WS_DISABLED) | (Stop ? WS_TABSTOP : 0);
  HWND window = CreateWindowExA(ExStyle, ClassName, Caption().c_str(),
                                Style | WS_CHILD | WS_CLIPSIBLINGS | state, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, Parent()->Window, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  // The newest control lies on top of its siblings.
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Attach(window);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
}

void TWinControl::Attach(HWND window) {
  Window = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  PlatformProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlProc)));
}

void TWinControl::Detach() {
  if (Window == nullptr) return;
  SetWindowLongPtrA(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PlatformProc));
  SetWindowLongPtrA(Window, GWLP_USERDATA, 0);
  Window = nullptr;
  ClassName = nullptr;
}

void TWinControl::DestroyWindowNow() {
  if (Window == nullptr) return;
  HWND window = Window;
  Detach();
  DestroyWindow(window);
}

LRESULT CALLBACK TWinControl::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FromHandle(window);
  if (control == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const WNDPROC platform = control->PlatformProc;
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
  return CallWindowProcA(PlatformProc, Window, message, wParam, lParam);
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
      if (Children.empty()) break;
      {
        // The platform paints first, then the windowless children go on top.
        const LRESULT result = DefaultHandler(message, wParam, lParam);
        HDC dc = GetDC(Window);
        PaintControls(dc);
        ReleaseDC(Window, dc);
        return result;
      }
    case WM_SETFOCUS:
      if (TForm* form = ParentForm(); form != nullptr && form != this) form->FocusChanged(this);
      break;
    default:
      if (IsMouseMessage(message)) Mouse.Route(message, wParam, lParam);
      break;
  }
  return DefaultHandler(message, wParam, lParam);
}

void TWinControl::PaintControls(HDC dc) {
  RECT clip;
  GetClipBox(dc, &clip);
  for (TControl* child : Children) {
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
  if (Window == nullptr) return;
  const RECT& r = BoundsRect();
  SetWindowPos(Window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::CaptionChanged() {
  if (Window != nullptr) SetWindowTextA(Window, Caption().c_str());
}

void TWinControl::FontChanged() {
  if (Window != nullptr) {
    SendMessageA(Window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  }
}

void TWinControl::StateChanged() {
  if (Window == nullptr) return;
  if (Visible() != (IsWindowVisible(Window) != FALSE)) {
    ShowWindow(Window, Visible() ? SW_SHOWNA : SW_HIDE);
  }
  EnableWindow(Window, Enabled() ? TRUE : FALSE);
}

void TWinControl::InsertControl(TControl* control) { Children.push_back(control); }

void TWinControl::RemoveControl(TControl* control) {
  Mouse.Forget(control);
  Children.erase(std::remove(Children.begin(), Children.end(), control), Children.end());
}

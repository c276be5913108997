#include "widgets/form.h"

#include "product/identity.h"
#include "widgets/application.h"
#include "widgets/screen.h"

namespace {

constexpr DWORD kSizeableStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;

}  // namespace

TForm::TForm() : TWinControl(nullptr), FStyle(kSizeableStyle) {
  RegisterWindowClass(kFormWindowClass, DefWindowProcA, CS_DBLCLKS, LoadCursorA(nullptr, IDC_ARROW),
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  SetWindowClass(kFormWindowClass);
  SetVisible(false);
  Application->FormCreated(this);
}

void TForm::CreateWindowHandle() {
  // Made with everything set before; a form not placed yet goes where the
  // platform puts new windows.
  const RECT b = BoundsRect();
  const bool placed = !IsRectEmpty(&b);
  HWND window = CreateWindowExA(
      FExStyle | (FStayOnTop ? WS_EX_TOPMOST : 0), kFormWindowClass, Caption().c_str(), FStyle,
      placed ? b.left : CW_USEDEFAULT, placed ? b.top : CW_USEDEFAULT,
      placed ? b.right - b.left : CW_USEDEFAULT, placed ? b.bottom - b.top : CW_USEDEFAULT,
      Application->Handle(), FMenu != nullptr ? FMenu->Handle() : nullptr,
      GetModuleHandleA(nullptr), nullptr);
  Attach(window);
  if (FMenu != nullptr) FMenu->AttachTo(window);
  RECT r;
  GetWindowRect(window, &r);
  RecordBounds(r);
}

TForm::~TForm() {
  if (FMenu != nullptr) FMenu->Detach();
  Application->FormDestroyed(this);
}

void TForm::SetBorderStyle(TBorderStyle style) {
  FStyle = style == TBorderStyle::Dialog ? kDialogStyle : kSizeableStyle;
  FExStyle = style == TBorderStyle::Dialog ? WS_EX_DLGMODALFRAME : 0;
  if (!HandleAllocated()) return;
  SetWindowLongA(Handle(), GWL_STYLE, static_cast<LONG>(FStyle));
  LONG ex = GetWindowLongA(Handle(), GWL_EXSTYLE);
  ex = style == TBorderStyle::Dialog ? ex | WS_EX_DLGMODALFRAME : ex & ~WS_EX_DLGMODALFRAME;
  SetWindowLongA(Handle(), GWL_EXSTYLE, ex);
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TForm::SetStayOnTop(bool onTop) {
  FStayOnTop = onTop;
  if (!HandleAllocated()) return;
  SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm::SetClientSize(int width, int height) {
  RECT r{0, 0, ScaleToScreen(width), ScaleToScreen(height)};
  AdjustWindowRectEx(&r, FStyle, FMenu != nullptr, FExStyle);
  const RECT& b = BoundsRect();
  SetScreenBounds(RECT{b.left, b.top, b.left + r.right - r.left, b.top + r.bottom - r.top});
}

void TForm::SetMenu(TMainMenu& menu) {
  FMenu = &menu;
  if (!HandleAllocated()) return;
  menu.AttachTo(Handle());
  BoundsChanged(BoundsRect());
}

void TForm::Show() { ShowWithCommand(SW_SHOWNORMAL); }

void TForm::ShowWithCommand(int command) {
  CreateChildWindows();
  if (FPosition == TPosition::ScreenCenter) SetScreenBounds(CentredOnScreen(Width(), Height()));
  // One call shows and activates the form; marked visible first, it would be
  // shown inactive and then activated in a second step.
  ShowWindow(Handle(), command);
  TControl::SetVisible(true);
  if (command != SW_SHOWMINNOACTIVE && command != SW_SHOWNOACTIVATE) {
    SetForegroundWindow(Handle());
  }
  UpdateWindow(Handle());
}

void TForm::Hide() {
  TControl::SetVisible(false);
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void TForm::Close() {
  if (Application->MainForm() == this) {
    Application->Terminate();
  } else {
    Hide();
  }
}

bool TForm::RunShortCut(TShortCut shortCut) {
  return FMenu != nullptr && FMenu->RunShortCut(shortCut);
}

void TForm::MenuCommand(WORD id) {
  if (FMenu != nullptr) FMenu->DispatchCommand(id);
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Handle(), &ps);
      PaintControls(dc);
      EndPaint(Handle(), &ps);
      return 0;
    }
    case WM_CLOSE:
      Close();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) Activated();
      return 0;
    case WM_SETFOCUS:
      Activated();
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE && Application->MainForm() == this) {
        Application->Minimize();
        return 0;
      }
      break;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) Application->Guard([this] { EndSession(); });
      return 0;
    case WM_WINDOWPOSCHANGED: {
      // Keeps the known rectangle in step with moves and resizes by the user.
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (!(pos->flags & SWP_NOMOVE) || !(pos->flags & SWP_NOSIZE)) {
        RECT r;
        GetWindowRect(Handle(), &r);
        if (!IsIconic(Handle())) RecordBounds(r);
      }
      break;
    }
    default:
      break;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

void TForm::Activated() {
  if (FActiveControl != nullptr && FActiveControl->CanFocus()) {
    FActiveControl->SetFocus();
  } else {
    SelectFirst();
  }
}

std::vector<TWinControl*> TForm::TabList() const {
  std::vector<TWinControl*> list;
  for (TControl* child : Controls()) {
    auto* control = dynamic_cast<TWinControl*>(child);
    if (control != nullptr && control->TabStop()) list.push_back(control);
  }
  std::stable_sort(list.begin(), list.end(), [](const TWinControl* a, const TWinControl* b) {
    return a->TabOrder() < b->TabOrder();
  });
  return list;
}

void TForm::SelectFirst() {
  for (TWinControl* control : TabList()) {
    if (control->CanFocus()) {
      control->SetFocus();
      return;
    }
  }
}

void TForm::SelectNext(TWinControl* from, bool forward) {
  const std::vector<TWinControl*> list = TabList();
  if (list.empty()) return;
  const auto n = static_cast<std::ptrdiff_t>(list.size());
  std::ptrdiff_t at = std::find(list.begin(), list.end(), from) - list.begin();
  if (at == n) at = forward ? n - 1 : 0;
  for (std::ptrdiff_t step = 1; step <= n; ++step) {
    TWinControl* next =
        list[static_cast<std::size_t>(((at + (forward ? step : -step)) % n + n) % n)];
    if (next->CanFocus()) {
      next->SetFocus();
      // Text fields entered by keyboard show their whole text selected.
      if (SendMessageA(next->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageA(next->Handle(), EM_SETSEL, 0, -1);
      }
      return;
    }
  }
}

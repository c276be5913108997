#include "widgets/application.h"

#include "platform/program_path.h"
#include "product/identity.h"
#include "widgets/app_text.h"
#include "widgets/form.h"
#include "widgets/screen.h"

TApplication* Application = nullptr;

namespace {

bool IsKeyMessageId(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
      return true;
    default:
      return false;
  }
}

// Centres the next message box of this thread on the screen (the platform
// would place it over its owner) and, when asked, puts it on top of the
// windows that stay on top. MB_TOPMOST would do that on Windows, but Wine
// ignores the flag, and the box then opens hidden behind such a window.
class TCentreNextBox {
 public:
  explicit TCentreNextBox(bool onTop) {
    FOnTop = onTop;
    FHook = SetWindowsHookExA(WH_CBT, &Proc, nullptr, GetCurrentThreadId());
  }
  ~TCentreNextBox() {
    if (FHook != nullptr) UnhookWindowsHookEx(FHook);
    FHook = nullptr;
  }
  TCentreNextBox(const TCentreNextBox&) = delete;
  TCentreNextBox& operator=(const TCentreNextBox&) = delete;

 private:
  static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = FHook;
    if (code == HCBT_ACTIVATE && hook != nullptr) {
      auto box = reinterpret_cast<HWND>(wParam);
      char name[16] = {};
      GetClassNameA(box, name, sizeof name);
      if (std::string(name) == "#32770") {
        RECT r;
        GetWindowRect(box, &r);
        r = CentredOnScreen(r.right - r.left, r.bottom - r.top);
        SetWindowPos(box, FOnTop ? HWND_TOPMOST : nullptr, r.left, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE | (FOnTop ? 0 : SWP_NOZORDER));
        UnhookWindowsHookEx(hook);
        FHook = nullptr;
      }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
  }
  static thread_local HHOOK FHook;
  static thread_local bool FOnTop;
};

thread_local HHOOK TCentreNextBox::FHook = nullptr;
thread_local bool TCentreNextBox::FOnTop = false;

// The program's icon at 32 or 16 pixels.
HICON ProgramIcon(int size) {
  auto icon = static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
  return icon != nullptr ? icon : LoadIconA(nullptr, IDI_APPLICATION);
}

}  // namespace

void RegisterWindowClass(const char* name, WNDPROC windowProc, UINT style, HCURSOR cursor,
                         HBRUSH background) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(GetModuleHandleA(nullptr), name, &wc)) return;
  wc.style = style;
  wc.lpfnWndProc = windowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = ProgramIcon(32);
  wc.hIconSm = ProgramIcon(16);
  wc.hCursor = cursor;
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  RegisterClassExA(&wc);
}

TApplication::TApplication() : FTitle(ApplicationTitle(ProgramPath())) {
  Application = this;
  RegisterWindowClass(kApplicationWindowClass, &WindowProc, 0, nullptr, nullptr);
  // A window of no size in the middle of the screen, as the owner of every
  // form it carries the program's one taskbar button, titled with the title.
  const RECT centre = CentredOnScreen(0, 0);
  FHandle = CreateWindowExA(0, kApplicationWindowClass, FTitle.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            centre.left, centre.top, 0, 0, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
}

TApplication::~TApplication() {
  DestroyForms();
  DestroyWindow(FHandle);
  Application = nullptr;
}

void TApplication::FormCreated(TForm* form) {
  if (FMainForm == nullptr) FMainForm = form;
}

void TApplication::FormDestroyed(TForm* form) {
  if (FMainForm == form) FMainForm = nullptr;
}

void TApplication::Run(int showCommand) {
  if (FMainForm != nullptr) {
    ShowWindow(FHandle, SW_SHOWNOACTIVATE);
    switch (showCommand) {
      case SW_SHOWMAXIMIZED:
        FMainForm->ShowWithCommand(SW_SHOWMAXIMIZED);
        break;
      case SW_SHOWMINNOACTIVE:
        FMainForm->ShowWithCommand(SW_SHOWNOACTIVATE);
        Minimize();
        break;
      default:
        FMainForm->Show();
        break;
    }
  }
  while (!Terminated()) {
    if (!ProcessMessage()) {
      MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
  }
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    FTerminated = true;
  } else if (!ConsumeKey(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

void TApplication::PumpPendingMessages() {
  while (ProcessMessage()) {
  }
}

bool TApplication::ConsumeKey(const MSG& msg) {
  if (!IsKeyMessageId(msg.message)) return false;
  TWinControl* control = TWinControl::FindControl(msg.hwnd);
  bool used = false;
  Guard([&] { used = control != nullptr && control->PreProcessKey(msg); });
  return used;
}

bool TApplication::RunShortCut(TShortCut shortCut) {
  if (FMainForm == nullptr) return false;
  // A window yet to be made would start with the form's state.
  const bool enabled = FMainForm->HandleAllocated() ? IsWindowEnabled(FMainForm->Handle()) != FALSE
                                                    : FMainForm->Enabled();
  return enabled && FMainForm->RunShortCut(shortCut);
}

void TApplication::DestroyForms() {
  while (!FForms.empty()) {
    std::unique_ptr<TForm> form = std::move(FForms.back());
    FForms.pop_back();
    Guard([&] { form->FormDestroy(); });
    form->DestroyHandle();
    form.reset();
  }
}

void TApplication::Minimize() { ShowWindow(FHandle, SW_MINIMIZE); }

std::vector<HWND> TApplication::OtherActiveForms() const {
  std::vector<HWND> forms;
  for (const auto& form : FForms) {
    if (form.get() == FMainForm || !form->HandleAllocated()) continue;
    HWND window = form->Handle();
    if (IsWindowVisible(window) && IsWindowEnabled(window)) forms.push_back(window);
  }
  return forms;
}

int TApplication::ShowBox(const std::string& text, UINT flags) {
  HWND owner = FMainForm != nullptr ? FMainForm->HandleNeeded() : FHandle;
  HWND active = GetActiveWindow();
  // The box disables its owner, the main form; the other forms are disabled
  // here, so that none of the program's windows acts and none can be brought
  // in front of the box. Above a form that stays on top the box must stay on
  // top as well, or it would open hidden behind it.
  const std::vector<HWND> others = OtherActiveForms();
  bool onTop = false;
  for (HWND form : others) {
    onTop = onTop || (GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    EnableWindow(form, FALSE);
  }
  int result = 0;
  {
    TCentreNextBox centre(onTop);
    result = MessageBoxA(owner, text.c_str(), FTitle.c_str(), flags);
  }
  for (HWND form : others) EnableWindow(form, TRUE);
  // Closing the box activates its owner; the user goes on where they were.
  if (active != nullptr && active != owner && IsWindow(active) && IsWindowVisible(active)) {
    SetActiveWindow(active);
  }
  return result;
}

void TApplication::ShowMessage(const std::string& text) { ShowBox(text, MB_OK); }

void TApplication::ShowException(const std::exception& error) {
  ShowBox(ErrorBoxText(error.what()), MB_OK | MB_ICONSTOP);
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TApplication* app = Application;
  if (app != nullptr && window == app->FHandle) {
    switch (message) {
      case WM_CLOSE:
        // "Close" on the taskbar button closes the main form.
        if (app->FMainForm != nullptr) app->FMainForm->Close();
        return 0;
      case WM_SETFOCUS:
        // Restored from the taskbar: the focus goes back to a form.
        if (app->FMainForm != nullptr && IsWindowVisible(app->FMainForm->Handle())) {
          SetActiveWindow(app->FMainForm->Handle());
        }
        return 0;
      default:
        break;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

#include "widgets/application.h"

#include "platform/program_path.h"
#include "widgets/app_text.h"
#include "widgets/dpi.h"
#include "widgets/form.h"

TApplication* Application = nullptr;

namespace {

constexpr const char* kApplicationClass = "TZunoseekApplication";

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
    OnTop = onTop;
    Hook = SetWindowsHookExA(WH_CBT, &Proc, nullptr, GetCurrentThreadId());
  }
  ~TCentreNextBox() {
    if (Hook != nullptr) UnhookWindowsHookEx(Hook);
    Hook = nullptr;
  }
  TCentreNextBox(const TCentreNextBox&) = delete;
  TCentreNextBox& operator=(const TCentreNextBox&) = delete;

 private:
  static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = Hook;
    if (code == HCBT_ACTIVATE && hook != nullptr) {
      auto box = reinterpret_cast<HWND>(wParam);
      char name[16] = {};
      GetClassNameA(box, name, sizeof name);
      if (std::string(name) == "#32770") {
        RECT r;
        GetWindowRect(box, &r);
        r = CentredOnScreen(r.right - r.left, r.bottom - r.top);
        SetWindowPos(box, OnTop ? HWND_TOPMOST : nullptr, r.left, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE | (OnTop ? 0 : SWP_NOZORDER));
        UnhookWindowsHookEx(hook);
        Hook = nullptr;
      }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
  }
  static thread_local HHOOK Hook;
  static thread_local bool OnTop;
};

thread_local HHOOK TCentreNextBox::Hook = nullptr;
thread_local bool TCentreNextBox::OnTop = false;

}  // namespace

HICON ProgramIcon(int size) {
  auto icon = static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
  return icon != nullptr ? icon : LoadIconA(nullptr, IDI_APPLICATION);
}

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

TApplication::TApplication() : AppTitle(ApplicationTitle(ProgramPath())) {
  Application = this;
  RegisterWindowClass(kApplicationClass, &WindowProc, 0, nullptr, nullptr);
  // A window of no size in the middle of the screen, as the owner of every
  // form it carries the program's one taskbar button, titled with the title.
  const RECT centre = CentredOnScreen(0, 0);
  Window = CreateWindowExA(0, kApplicationClass, AppTitle.c_str(),
                           WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                           centre.left, centre.top, 0, 0, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TApplication::~TApplication() {
  DestroyForms();
  DestroyWindow(Window);
  Application = nullptr;
}

void TApplication::FormCreated(TForm* form) {
  if (Main == nullptr) Main = form;
}

void TApplication::FormDestroyed(TForm* form) {
  if (Main == form) Main = nullptr;
}

void TApplication::Run(int showCommand) {
  if (Main != nullptr) {
    ShowWindow(Window, SW_SHOWNOACTIVATE);
    switch (showCommand) {
      case SW_SHOWMAXIMIZED:
        Main->ShowWithCommand(SW_SHOWMAXIMIZED);
        break;
      case SW_SHOWMINNOACTIVE:
        Main->ShowWithCommand(SW_SHOWNOACTIVATE);
        Minimize();
        break;
      default:
        Main->Show();
        break;
    }
  }
  while (!EndFlag) {
    if (!ProcessMessage()) {
      MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
  }
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    EndFlag = true;
  } else if (!IsKeyMessage(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

void TApplication::PumpPendingMessages() {
  while (ProcessMessage()) {
  }
}

bool TApplication::IsKeyMessage(const MSG& msg) {
  if (!IsKeyMessageId(msg.message)) return false;
  TWinControl* control = TWinControl::FindControl(msg.hwnd);
  bool used = false;
  Guard([&] { used = control != nullptr && control->PreProcessKey(msg); });
  return used;
}

bool TApplication::IsShortCut(TShortCut shortCut) {
  if (Main == nullptr) return false;
  // A window yet to be made would start with the form's state.
  const bool enabled =
      Main->HandleAllocated() ? IsWindowEnabled(Main->Handle()) != FALSE : Main->Enabled();
  return enabled && Main->IsShortCut(shortCut);
}

void TApplication::DestroyForms() {
  while (!Owned.empty()) {
    std::unique_ptr<TForm> form = std::move(Owned.back());
    Owned.pop_back();
    Guard([&] { form->FormDestroy(); });
    form->DestroyHandle();
    form.reset();
  }
}

void TApplication::Minimize() { ShowWindow(Window, SW_MINIMIZE); }

std::vector<HWND> TApplication::OtherActiveForms() const {
  std::vector<HWND> forms;
  for (const auto& form : Owned) {
    if (form.get() == Main || !form->HandleAllocated()) continue;
    HWND window = form->Handle();
    if (IsWindowVisible(window) && IsWindowEnabled(window)) forms.push_back(window);
  }
  return forms;
}

int TApplication::ShowBox(const std::string& text, UINT flags) {
  HWND owner = Main != nullptr ? Main->HandleNeeded() : Window;
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
    result = MessageBoxA(owner, text.c_str(), AppTitle.c_str(), flags);
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
  if (app != nullptr && window == app->Window) {
    switch (message) {
      case WM_CLOSE:
        // "Close" on the taskbar button closes the main form.
        if (app->Main != nullptr) app->Main->Close();
        return 0;
      case WM_SETFOCUS:
        // Restored from the taskbar: the focus goes back to a form.
        if (app->Main != nullptr && IsWindowVisible(app->Main->Handle())) {
          SetActiveWindow(app->Main->Handle());
        }
        return 0;
      default:
        break;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

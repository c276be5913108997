#pragma once
// The application object: the program's title and hidden top-level window,
// the forms it owns, the message loop with its key pre-processing, and the
// program's two message boxes.

#include "widgets/shortcut.h"

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

class TForm;

// Registers a window class of the program's, unless it is registered already,
// with the program's icon (resource "MAINICON", or the system's default icon
// when the program has none).
void RegisterWindowClass(const char* name, WNDPROC windowProc, UINT style, HCURSOR cursor,
                         HBRUSH background);

class TApplication {
 public:
  TApplication();
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  const std::string& Title() const { return FTitle; }
  // The hidden top-level window: owner of every form, holder of the taskbar button.
  HWND Handle() const { return FHandle; }

  // Constructs a form that the application owns and destroys at the end. The
  // first form constructed becomes the main form.
  template <class TFormClass, class... TArgs>
  TFormClass& CreateForm(TArgs&&... args) {
    auto form = std::make_unique<TFormClass>(std::forward<TArgs>(args)...);
    TFormClass& ref = *form;
    FForms.push_back(std::move(form));
    return ref;
  }
  TForm* MainForm() const { return FMainForm; }

  // Shows the main form as the start-up show command asks and runs the
  // message loop until the program is to end.
  void Run(int showCommand);
  // Takes one message if there is one: pre-processes and dispatches it.
  bool ProcessMessage();
  // Dispatches every waiting message and returns when none is left; never
  // waits. A quit message only marks the program to end.
  void PumpPendingMessages();
  void Terminate() { PostQuitMessage(0); }
  bool Terminated() const { return FTerminated; }
  // Destroys every owned form, newest first; each runs FormDestroy before.
  void DestroyForms();
  void Minimize();

  // Runs the main form's shortcut while the main form is enabled; true when
  // one matched.
  bool RunShortCut(TShortCut shortCut);

  // The plain message box: the text, no icon, OK, the title, centred on the
  // screen; the main form is disabled while it is open, and so is every other
  // form. It lies above a form that stays on top, and the form that was
  // active before is active again afterwards.
  void ShowMessage(const std::string& text);
  // The general error box: the message (with "." added by ErrorBoxText) and
  // a stop icon.
  void ShowException(const std::exception& error);
  // Runs a handler; an error it raises is shown in the error box.
  template <class THandler>
  void Guard(THandler&& handler) {
    try {
      handler();
    } catch (const std::exception& error) {
      ShowException(error);
    }
  }

  // Kept by TForm.
  void FormCreated(TForm* form);
  void FormDestroyed(TForm* form);

 private:
  int ShowBox(const std::string& text, UINT flags);
  // The visible, enabled forms other than the main form, which a box disables.
  std::vector<HWND> OtherActiveForms() const;
  // Hands a key message to the key pre-processing of the control it is for;
  // true when that consumed the key, which is then not dispatched.
  bool ConsumeKey(const MSG& msg);
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::string FTitle;
  HWND FHandle = nullptr;
  std::vector<std::unique_ptr<TForm>> FForms;
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
};

// The one application object of the program, set while it exists.
extern TApplication* Application;

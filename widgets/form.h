#pragma once
// A top-level window holding controls as named members. It keeps the control
// that had the focus, moves the focus with Tab and the arrow keys in tab
// order, takes access keys, and runs its main menu's shortcuts. Closing the
// main form ends the program; closing any other form hides it.

#include "widgets/main_menu.h"
#include "widgets/win_control.h"

#include <vector>

enum class TBorderStyle { Sizeable, Dialog };
enum class TPosition { Designed, ScreenCenter };

class TForm : public TWinControl {
 public:
  // A hidden window owned by the application's window, with the default
  // font, the button-face background and the program's icon. The window and
  // its controls' windows are made when it is first shown or one is needed.
  TForm();
  ~TForm() override;

  void SetBorderStyle(TBorderStyle style);
  void SetStayOnTop(bool onTop);
  void SetPosition(TPosition position) { FPosition = position; }
  // The client area's size in design pixels.
  void SetClientSize(int width, int height);
  // Attaches the menu bar; the outer size stays.
  void SetMenu(TMainMenu& menu);
  TMainMenu* Menu() const { return FMenu; }

  // Shows and activates the form (centred first, for TPosition::ScreenCenter).
  void Show();
  // Shows with a ShowWindow command, as the program's start-up does.
  void ShowWithCommand(int command);
  void Hide();
  // The main form ends the program; any other form is hidden.
  void Close();

  // Runs the first item of the menu with this shortcut; true when one matched.
  bool RunShortCut(TShortCut shortCut);
  // Tab and Shift+Tab, arrows, Enter on a button: true when consumed.
  bool DialogKey(const MSG& msg);
  // An access key: true when a control took it.
  bool DialogChar(char ch) override;

  void FocusChanged(TWinControl* control) { FActiveControl = control; }
  // Focuses the first control in tab order.
  void SelectFirst();
  // Focuses the control after (or before) from in tab order, wrapping round.
  void SelectNext(TWinControl* from, bool forward);

  // Run by the application before it destroys the form; errors are reported.
  virtual void FormDestroy() {}
  // Windows is ending the session while the program runs.
  virtual void EndSession() {}
  // Destroys the window and every control window in it.
  void DestroyHandle() { DestroyWindowNow(); }

 protected:
  void CreateWindowHandle() override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void MenuCommand(WORD id) override;

 private:
  std::vector<TWinControl*> TabList() const;
  void Activated();

  TMainMenu* FMenu = nullptr;
  TWinControl* FActiveControl = nullptr;
  TPosition FPosition = TPosition::Designed;
  DWORD FStyle;
  DWORD FExStyle = 0;
  bool FStayOnTop = false;
};

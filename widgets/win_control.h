#pragma once
// A control that owns a window. Platform controls (edit, button, combo box)
// are subclassed and our own windows use a plain class, so that every window
// of ours finds its object and sends each message to WndProc. Windowless
// children are painted and fed the mouse from here.
//
// A window is made by HandleNeeded() when it is first needed, and a
// control's together with the other control windows of its form, when the
// form is first shown or one of them is first sent a message: a form that is
// never shown costs no windows, fonts or libraries. Handle() only reads.

#include "widgets/control.h"
#include "widgets/mouse_router.h"

#include <windows.h>

#include <vector>

class TWinControl : public TControl {
 public:
  explicit TWinControl(TWinControl* parent);
  ~TWinControl() override;

  // The window, or null while it is not made (or after it is destroyed).
  HWND Handle() const { return FHandle; }
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Makes the window if it does not exist yet (a control's with every other
  // control window of its form) and returns it. A window once destroyed is
  // not made again.
  HWND HandleNeeded();
  // The object of a window of ours, or null.
  static TWinControl* FromHandle(HWND window);
  // The nearest window of ours that is window or holds it (the combo box for
  // its edit part), or null.
  static TWinControl* FindControl(HWND window);

  // Every child control, in the order of creation.
  const std::vector<TControl*>& Controls() const { return FControls; }

  int TabOrder() const { return FTabOrder; }
  void SetTabOrder(int order) { FTabOrder = order; }
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool stop);

  bool Focused() const { return FHandle != nullptr && GetFocus() == FHandle; }
  bool CanFocus() const;
  virtual void SetFocus();

  // Key pre-processing by the message loop, for the control with the focus:
  // menu shortcuts first, then the form's dialog keys. True when consumed.
  bool PreProcessKey(const MSG& msg);

  // An access key typed in the form: true when this control took it.
  virtual bool DialogChar(char /*ch*/) { return false; }
  // Enter with the focus on this control: true when it acted (a button).
  virtual bool DialogEnter() { return false; }

  // Makes the window if needed, then the windows of the child controls that
  // have none yet, in the order of their creation, and from then on each new
  // child's at once.
  void CreateChildWindows();

 protected:
  // Names the platform control that this is, as a child of the parent. Its
  // window is made at once when the parent's child windows exist, else with
  // them. Call it from the most derived constructor that overrides
  // CreateWindowHandle.
  void CreateChild(const char* className, DWORD style, DWORD exStyle = 0);
  // Makes the window and subclasses it; controls that keep state in their
  // window extend it, top-level windows replace it.
  virtual void CreateWindowHandle();
  // Names the class of a top-level window of ours, made when first needed.
  void SetWindowClass(const char* className) { FClassName = className; }
  // Takes over a window made in CreateWindowHandle (our own top-level windows).
  void Attach(HWND window);
  // Destroys the window (and every child window) now.
  void DestroyWindowNow();

  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
  // A WM_COMMAND notification from this control's own window.
  virtual void CommandNotify(WORD /*code*/) {}
  // WM_COMMAND from a menu.
  virtual void MenuCommand(WORD /*id*/) {}
  virtual void DrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // Paints the windowless children that meet the clip box.
  void PaintControls(HDC dc);

  void BoundsChanged(const RECT& old) override;
  void CaptionChanged() override;
  void FontChanged() override;
  void StateChanged() override;

 private:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void Detach();
  static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND FHandle = nullptr;
  WNDPROC FPlatformProc = nullptr;
  const char* FClassName = nullptr;  // set while the window is still to be made or exists
  DWORD FStyle = 0;
  DWORD FExStyle = 0;
  bool FChildWindowsMade = false;
  std::vector<TControl*> FControls;
  TMouseRouter FMouse{*this};
  int FTabOrder = 0;
  bool FTabStop = false;
};

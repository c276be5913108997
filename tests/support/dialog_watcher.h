#pragma once
// Watches for dialog boxes (message boxes, the file dialog) that this
// thread's code opens, while the object lives: each one is recorded when it
// becomes active and then answered, by default by pressing OK. A newer
// watcher takes over from an older one until it ends.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

struct TDialogRecord {
  HWND Box = nullptr;
  std::string Title;
  std::string Text;      // a message box's message
  HICON Icon = nullptr;  // a message box's icon, null for none
  RECT Rect{};           // on the screen
  HWND Owner = nullptr;
  bool OwnerEnabled = true;
};

// The icon a message box shows with MB_ICONSTOP.
HICON StopIcon();

class TDialogWatcher {
 public:
  // Answers a dialog; the default presses OK.
  using TAnswer = std::function<void(HWND box)>;

  explicit TDialogWatcher(TAnswer answer = nullptr);
  ~TDialogWatcher();
  TDialogWatcher(const TDialogWatcher&) = delete;
  TDialogWatcher& operator=(const TDialogWatcher&) = delete;

  const std::vector<TDialogRecord>& Dialogs() const { return Records; }

 private:
  static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam);
  void Seen(HWND box);

  HHOOK Hook = nullptr;
  TDialogWatcher* Outer = nullptr;  // the watcher this one stands in for meanwhile
  TAnswer Answer;
  std::vector<TDialogRecord> Records;
};

// Presses OK in a dialog box.
void PressOk(HWND box);

// A message box of another process: the first dialog box of process pid
// that shows up within timeoutMs, recorded and answered with OK. Box is null
// when none showed up.
TDialogRecord AnswerBoxOfProcess(DWORD pid, int timeoutMs);

}  // namespace testsupport

#pragma once
// For GUI tests under Wine: reads every message box that the code under test
// opens on this thread and presses OK, from a timer that runs inside the
// box's own modal loop.

#include <windows.h>

#include <string>
#include <vector>

struct TSeenBox {
  std::string Text;
  std::string Title;
  bool StopIcon;
};

class TBoxWatcher {
 public:
  TBoxWatcher();
  ~TBoxWatcher();
  TBoxWatcher(const TBoxWatcher&) = delete;
  TBoxWatcher& operator=(const TBoxWatcher&) = delete;

  std::vector<TSeenBox> Boxes;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  UINT_PTR Timer;
};

// Dispatches this thread's messages for the given time.
void PumpFor(int milliseconds);

// The text of a window, as the "A" call gives it.
std::string WindowText(HWND window);

// Measures a window program's start: the time from process creation until
// its window titled CAPTION is visible and fully painted (no update region
// left), and the process's peak memory then. Closes the window afterwards.
//
//   zs_startup_probe PROGRAM CAPTION [ARGUMENT]
// prints "<milliseconds> <peak working set KiB> <peak private KiB>".

#include <windows.h>
#include <psapi.h>

#include "tests/support/wine_test_support.h"

#include <cstdio>
#include <string>

namespace {

// The visible window of process pid whose caption is `caption`.
HWND FindCaptioned(DWORD pid, const std::string& caption) {
  return testsupport::FindProcessWindow(pid, [&](HWND window) {
    char text[256] = {};
    return IsWindowVisible(window) &&
           SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                               SMTO_ABORTIFHUNG, 1000, nullptr) &&
           caption == text;
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) return 2;
  std::string line = std::string("\"") + argv[1] + "\"";
  if (argc == 4) line += std::string(" ") + argv[3];
  // The program measured before may still be being taken down by the window
  // system (its windows destroyed, the desktop repainted): let that settle.
  Sleep(500);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi)) {
    return 3;
  }
  HWND window = nullptr;
  for (;;) {
    const HWND found = FindCaptioned(pi.dwProcessId, argv[2]);
    if (found != nullptr && !GetUpdateRect(found, nullptr, FALSE)) {
      window = found;
      break;
    }
    if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0) return 4;
  }
  QueryPerformanceCounter(&now);
  const double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart);
  Sleep(300);  // let start-up finish what follows the first paint
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(pi.hProcess, &memory, sizeof memory);
  std::printf("%.1f %lu %lu\n", ms, static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024),
              static_cast<unsigned long>(memory.PeakPagefileUsage / 1024));
  PostMessageA(window, WM_CLOSE, 0, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return 0;
}

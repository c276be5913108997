#pragma once
// A program under test, started as a user starts it: in the current
// directory, with this process's environment. Ended by force when the object
// goes while it still runs.

#include <windows.h>

#include <functional>
#include <string>

namespace testsupport {

class TProgramRun {
 public:
  explicit TProgramRun(std::string path) : Path(std::move(path)) {}
  ~TProgramRun();
  TProgramRun(const TProgramRun&) = delete;
  TProgramRun& operator=(const TProgramRun&) = delete;

  // Starts the program (again, after an earlier run has ended); false when
  // it could not be started.
  bool Start();
  DWORD Pid() const { return Process.dwProcessId; }
  HANDLE Handle() const { return Process.hProcess; }
  // The first visible top-level window of the program that `matches`
  // accepts, once there is one; null when none came within the time.
  HWND WaitForWindow(const std::function<bool(HWND)>& matches, int timeoutMs = 10000) const;
  // The exit code once the program has ended, or STILL_ACTIVE when it still
  // runs after the time.
  DWORD WaitForEnd(int timeoutMs = 20000);

 private:
  std::string Path;
  PROCESS_INFORMATION Process{};
};

}  // namespace testsupport

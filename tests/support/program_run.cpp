#include "tests/support/program_run.h"

#include "tests/support/wine_test_support.h"

namespace testsupport {

TProgramRun::~TProgramRun() {
  if (Process.hProcess == nullptr) return;
  TerminateProcess(Process.hProcess, 1);
  WaitForEnd();
}

bool TProgramRun::Start() {
  std::string line = "\"" + Path + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &Process)) {
    Process = {};
    return false;
  }
  CloseHandle(Process.hThread);
  return true;
}

HWND TProgramRun::WaitForWindow(const std::function<bool(HWND)>& matches, int timeoutMs) const {
  return WaitForProcessWindow(Process.dwProcessId, matches, timeoutMs);
}

DWORD TProgramRun::WaitForEnd(int timeoutMs) {
  if (WaitForSingleObject(Process.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) {
    return STILL_ACTIVE;
  }
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(Process.hProcess, &code);
  CloseHandle(Process.hProcess);
  Process = {};
  return code;
}

}  // namespace testsupport

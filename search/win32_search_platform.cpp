#include "search/win32_search_platform.h"

#include "search/system_functions.h"

#include <vector>

bool Win32FileExists(const std::string& name) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(name.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

TWin32SearchPlatform::TWin32SearchPlatform(HWND owner, TPump pump, TShowMessage showMessage)
    : Owner(owner), Pump(std::move(pump)), Message(std::move(showMessage)) {}

bool TWin32SearchPlatform::FileExists(const std::string& name) { return Win32FileExists(name); }

void TWin32SearchPlatform::TakeStartupInfo() { GetStartupInfoA(&StartupInfo); }

TChildHandle TWin32SearchPlatform::StartChild(const std::string& commandLine) {
  // CreateProcessA may write into the command line, so it gets its own copy.
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &StartupInfo, &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);  // only the process handle is waited on
  return process.hProcess;
}

TWaitResult TWin32SearchPlatform::WaitForChildOrInput(TChildHandle child) {
  HANDLE process = child;
  // MWMO_INPUTAVAILABLE also wakes for messages that are queued but were seen
  // before, so nothing waiting is slept over.
  const DWORD woken =
      MsgWaitForMultipleObjectsEx(1, &process, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  return woken == WAIT_OBJECT_0 + 1 ? TWaitResult::InputPending : TWaitResult::ChildEnded;
}

void TWin32SearchPlatform::PumpPendingMessages() { Pump(); }

void TWin32SearchPlatform::CloseChild(TChildHandle child) { CloseHandle(child); }

std::string TWin32SearchPlatform::ReadEnvironment(const std::string& name) {
  std::string value;
  DWORD size = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  // The value may change between the two calls; ask again until it fits.
  while (size > 0) {
    value.resize(size);
    const DWORD got = GetEnvironmentVariableA(name.c_str(), value.data(), size);
    if (got < size) {
      value.resize(got);
      return value;
    }
    size = got;
  }
  return {};
}

void TWin32SearchPlatform::OpenWithShell(const std::string& path) {
  Win32ShellExecute(Owner, "OPEN", path.c_str(), "", "", SW_SHOW);
}

void TWin32SearchPlatform::ShowMessage(const std::string& text) { Message(text); }

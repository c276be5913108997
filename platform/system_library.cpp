#include "platform/system_library.h"

#include <shellapi.h>

#include <string>

const TLibraryCalls kWin32LibraryCalls = {LoadLibraryExA, GetSystemDirectoryA, GetLastError};

std::string SystemFolder(const TLibraryCalls& calls) {
  char folder[MAX_PATH];
  const UINT length = calls.GetSystemDirectory(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::string(folder, length);
}

HMODULE LoadSystemLibrary(const char* name, const TLibraryCalls& calls) {
  if (HMODULE module = calls.LoadLibraryEx(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    return module;
  }
  if (calls.GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
  const std::string folder = SystemFolder(calls);
  if (folder.empty()) return nullptr;
  const std::string path = folder + "\\" + name;
  // The library's own imports are then looked for beside it first.
  return calls.LoadLibraryEx(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void RestrictLibrarySearchToSystemFolder() {
  using TSetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
  const auto setDefault = reinterpret_cast<TSetDefaultDllDirectories>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDefault != nullptr) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HINSTANCE Win32ShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, int show) {
  static const auto function =
      SystemFunction<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
  if (function == nullptr) return reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
  return function(owner, verb, file, parameters, directory, show);
}

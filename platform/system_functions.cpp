#include "platform/system_functions.h"

#include <shellapi.h>

HINSTANCE Win32ShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, int show) {
  static const auto function =
      SystemFunction<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
  if (function == nullptr) return reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
  return function(owner, verb, file, parameters, directory, show);
}

#include "search/system_functions.h"

#include <shellapi.h>
#include <winspool.h>

namespace {

// The function `name` of the system library `library`, or null. The library
// stays loaded for the life of the process.
template <class TFunction>
TFunction SystemFunction(const char* library, const char* name) {
  HMODULE module = LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr) return nullptr;
  return reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

HINSTANCE Win32ShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, int show) {
  static const auto function =
      SystemFunction<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
  if (function == nullptr) return reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
  return function(owner, verb, file, parameters, directory, show);
}

BOOL Win32GetOpenFileName(OPENFILENAMEA* dialog) {
  static const auto function =
      SystemFunction<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
  return function != nullptr && function(dialog);
}

BOOL Win32GetDefaultPrinter(char* buffer, DWORD* size) {
  static const auto function =
      SystemFunction<decltype(&GetDefaultPrinterA)>("winspool.drv", "GetDefaultPrinterA");
  return function != nullptr && function(buffer, size);
}

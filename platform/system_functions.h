#pragma once
// System library functions looked up in the system folder when first called,
// instead of imported: importing shell32, comdlg32 or winspool would load
// them, the common controls and the print system's client libraries at every
// start, for commands that most runs never use.

#include <windows.h>

#include "platform/system_library.h"

// The function `name` of the system library `library`, or null when either is
// missing. The library stays loaded for the life of the process.
template <class TFunction>
TFunction SystemFunction(const char* library, const char* name) {
  HMODULE module = LoadSystemLibrary(library);
  if (module == nullptr) return nullptr;
  return reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// ShellExecuteA; without shell32 it fails as the call itself can, with an
// error code in place of an instance handle.
HINSTANCE Win32ShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, int show);

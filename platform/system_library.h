#pragma once
// System libraries are loaded from the system folder only, never from the
// working folder or the program's own folder, on every Windows from Vista on.
// Their functions are looked up there when first called instead of imported:
// importing shell32, comdlg32 or winspool would load them, the common controls
// and the print system's client libraries at every start, for commands that
// most runs never use.

#include <windows.h>

#include <string>

// The calls the loader makes; tests hand in their own.
struct TLibraryCalls {
  HMODULE(WINAPI* LoadLibraryEx)(LPCSTR name, HANDLE reserved, DWORD flags);
  UINT(WINAPI* GetSystemDirectory)(LPSTR buffer, UINT size);
  DWORD(WINAPI* GetLastError)();
};

extern const TLibraryCalls kWin32LibraryCalls;

// The system folder without a trailing backslash, or "" when it cannot be read.
std::string SystemFolder(const TLibraryCalls& calls = kWin32LibraryCalls);

// The system library `name` (a file name without a folder), or null. Asks for
// the system folder with LOAD_LIBRARY_SEARCH_SYSTEM32; where the platform does
// not know that flag (Vista, and Windows 7 without update KB2533623, answer
// ERROR_INVALID_PARAMETER) it loads the full path in the system folder
// instead. The bare name, which the working folder could answer, is never
// loaded.
HMODULE LoadSystemLibrary(const char* name, const TLibraryCalls& calls = kWin32LibraryCalls);

// Where the platform has SetDefaultDllDirectories, makes every later library
// load that names no folder search the system folder only; elsewhere nothing.
void RestrictLibrarySearchToSystemFolder();

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

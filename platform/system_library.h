#pragma once
// System libraries are loaded from the system folder only, never from the
// working folder or the program's own folder, on every Windows from Vista on.

#include <windows.h>

// The calls the loader makes; tests hand in their own.
struct TLibraryCalls {
  HMODULE(WINAPI* LoadLibraryEx)(LPCSTR name, HANDLE reserved, DWORD flags);
  UINT(WINAPI* GetSystemDirectory)(LPSTR buffer, UINT size);
  DWORD(WINAPI* GetLastError)();
};

extern const TLibraryCalls kWin32LibraryCalls;

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

#pragma once
// The functions of shell32, comdlg32 and winspool that the program calls,
// each looked up in the system folder when it is first called. Importing
// those libraries would load them, the common controls and the print
// system's client libraries at every start, for commands that most runs
// never use. A function that cannot be found fails as the call itself can:
// the shell reports an error code, the dialog and the printer query FALSE.

#include <windows.h>

#include <commdlg.h>

HINSTANCE Win32ShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, int show);
BOOL Win32GetOpenFileName(OPENFILENAMEA* dialog);
BOOL Win32GetDefaultPrinter(char* buffer, DWORD* size);

#include "docs/rich_edit_library.h"

#include "docs/system_error.h"

#include <windows.h>

void LoadRichEditLibrary() {
  // Kept loaded for the life of the process: every viewer's area needs it.
  static const HMODULE library =
      LoadLibraryExA("RICHED32.DLL", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (library == nullptr) throw std::runtime_error(SystemErrorText(GetLastError()));
}

#include "viewers/rich_edit_library.h"

#include "platform/system_error.h"
#include "platform/system_library.h"

#include <windows.h>

void LoadRichEditLibrary() {
  // Kept loaded for the life of the process: every viewer's area needs it.
  static const HMODULE library = LoadSystemLibrary("RICHED32.DLL");
  if (library == nullptr) throw std::runtime_error(SystemErrorText(GetLastError()));
}

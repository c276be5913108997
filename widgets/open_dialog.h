#pragma once
// The platform's file-open dialog in explorer style. It keeps the full path
// chosen last and starts from it the next time.

#include <windows.h>

#include <string>

class TOpenDialog {
 public:
  // The path buffer's size, terminating zero included: longer choices fail.
  static constexpr DWORD kPathBufferSize = 260;

  // Shows the dialog: the platform's title, every file listed, the read-only
  // box hidden, resizable, one file, nothing required to exist, and the
  // working directory left to the platform. True when a file was chosen.
  bool Execute(HWND owner);

  const std::string& FileName() const { return FFileName; }

 private:
  std::string FFileName;
};

#include "widgets/open_dialog.h"

#include "platform/system_library.h"

#include <commdlg.h>

#include <algorithm>
#include <array>

namespace {

// GetOpenFileNameA from comdlg32, loaded when the dialog is first used.
BOOL ShowOpenDialog(OPENFILENAMEA* dialog) {
  static const auto function =
      SystemFunction<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
  return function != nullptr && function(dialog);
}

}  // namespace

bool TOpenDialog::Execute(HWND owner) {
  std::array<char, kPathBufferSize> buffer{};
  std::copy_n(FFileName.begin(), std::min<std::size_t>(FFileName.size(), buffer.size() - 1),
              buffer.begin());
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = kPathBufferSize;
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  if (!ShowOpenDialog(&ofn)) return false;
  FFileName = buffer.data();
  return true;
}

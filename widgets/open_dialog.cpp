#include "widgets/open_dialog.h"

#include "search/system_functions.h"

#include <algorithm>
#include <array>

bool TOpenDialog::Execute(HWND owner) {
  std::array<char, kPathBufferSize> buffer{};
  std::copy_n(Path.begin(), std::min<std::size_t>(Path.size(), buffer.size() - 1), buffer.begin());
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = kPathBufferSize;
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  if (!Win32GetOpenFileName(&ofn)) return false;
  Path = buffer.data();
  return true;
}

#include "tests/support/remote_list_view.h"

#include "tests/support/wine_test_support.h"

#include <commctrl.h>

namespace testsupport {

namespace {

// A page of memory in the process that owns a window, freed with the object.
class TRemotePage {
 public:
  explicit TRemotePage(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    Process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    Base = static_cast<char*>(
        VirtualAllocEx(Process, nullptr, kSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  }
  ~TRemotePage() {
    VirtualFreeEx(Process, Base, 0, MEM_RELEASE);
    CloseHandle(Process);
  }
  TRemotePage(const TRemotePage&) = delete;
  TRemotePage& operator=(const TRemotePage&) = delete;

  static constexpr SIZE_T kSize = 4096;
  char* At(SIZE_T offset) const { return Base + offset; }
  void Write(SIZE_T offset, const void* data, SIZE_T size) const {
    WriteProcessMemory(Process, Base + offset, data, size, nullptr);
  }
  void Read(SIZE_T offset, void* data, SIZE_T size) const {
    ReadProcessMemory(Process, Base + offset, data, size, nullptr);
  }

 private:
  HANDLE Process = nullptr;
  char* Base = nullptr;
};

}  // namespace

std::optional<RECT> ListViewItemLabel(HWND listView, const std::string& text) {
  TRemotePage page(listView);
  constexpr SIZE_T kText = 256;
  LVFINDINFOA find{};
  find.flags = LVFI_STRING | LVFI_PARTIAL;
  find.psz = page.At(kText);
  page.Write(0, &find, sizeof find);
  page.Write(kText, text.c_str(), text.size() + 1);
  const auto item = SendBounded(listView, LVM_FINDITEMA, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(page.At(0)));
  if (item < 0) return std::nullopt;
  RECT r{LVIR_LABEL, 0, 0, 0};
  page.Write(0, &r, sizeof r);
  if (!SendBounded(listView, LVM_GETITEMRECT, static_cast<WPARAM>(item),
                   reinterpret_cast<LPARAM>(page.At(0)))) {
    return std::nullopt;
  }
  page.Read(0, &r, sizeof r);
  MapWindowPoints(listView, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace testsupport

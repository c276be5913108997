// zs_read_shortcut LINK: prints a shortcut's target and its working folder,
// one a line, as the shell reads them (IShellLinkA). Exit code 1 when the
// shortcut cannot be read, 2 on a wrong command line.

#include <windows.h>

#include <objidl.h>
#include <shlobj.h>

#include <cstdio>

namespace {

bool PrintShortcut(const char* path) {
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link)))) {
    return false;
  }
  IPersistFile* file = nullptr;
  // IPersistFile takes only a UTF-16 path.
  wchar_t widePath[MAX_PATH];
  char target[MAX_PATH] = {};
  char folder[MAX_PATH] = {};
  const bool read =
      MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH) != 0 &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(widePath, STGM_READ)) &&
      SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
      SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH));
  if (file != nullptr) file->Release();
  link->Release();
  if (!read) return false;
  std::fputs(target, stdout);
  std::fputs("\n", stdout);
  std::fputs(folder, stdout);
  std::fputs("\n", stdout);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  if (FAILED(CoInitialize(nullptr))) return 1;
  const bool read = PrintShortcut(argv[1]);
  CoUninitialize();
  return read ? 0 : 1;
}

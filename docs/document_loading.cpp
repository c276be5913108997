#include "docs/document_loading.h"

#include "docs/system_error.h"

#include <richedit.h>

#include <stdexcept>

namespace {

class TFileHandle {
 public:
  explicit TFileHandle(HANDLE handle) : Handle(handle) {}
  ~TFileHandle() {
    if (Handle != INVALID_HANDLE_VALUE) CloseHandle(Handle);
  }
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;
  HANDLE Handle;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
  DWORD done = 0;
  const BOOL ok =
      ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(size), &done, nullptr);
  *read = static_cast<LONG>(done);
  return ok ? 0 : 1;
}

// True when the control took the stream without reporting an error.
bool StreamIn(HWND richEdit, HANDLE file, WPARAM format) {
  SetFilePointer(file, 0, nullptr, FILE_BEGIN);
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(file);
  stream.pfnCallback = ReadChunk;
  SendMessageA(richEdit, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
  return stream.dwError == 0;
}

std::string FullPath(const std::string& fileName) {
  const DWORD size = GetFullPathNameA(fileName.c_str(), 0, nullptr, nullptr);
  if (size == 0) return fileName;
  std::string path(size, '\0');
  const DWORD length = GetFullPathNameA(fileName.c_str(), size, path.data(), nullptr);
  path.resize(length < size ? length : 0);
  return path.empty() ? fileName : path;
}

}  // namespace

std::string OpenErrorText(const std::string& fullPath, const std::string& reason) {
  std::string text = "ファイル \"";
  text += fullPath;
  text += "\". ";
  text += reason;
  text += " は開けません";
  return text;
}

void LoadDocument(HWND richEdit, const std::string& fileName) {
  const TFileHandle file(CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    throw std::runtime_error(OpenErrorText(FullPath(fileName), SystemErrorText(error)));
  }
  if (StreamIn(richEdit, file.Handle, SF_RTF)) return;
  if (!StreamIn(richEdit, file.Handle, SF_TEXT)) throw std::runtime_error(kStreamFailedMessage);
}

#include "viewers/document_loading.h"

#include "platform/system_error.h"

#include <richedit.h>

#include <stdexcept>

namespace {

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
  DWORD done = 0;
  const BOOL ok =
      ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(size), &done, nullptr);
  *read = static_cast<LONG>(done);
  return ok ? 0 : 1;
}

std::string FullPath(const std::string& fileName) {
  const DWORD size = GetFullPathNameA(fileName.c_str(), 0, nullptr, nullptr);
  if (size == 0) return fileName;
  std::string path(size, '\0');
  const DWORD length = GetFullPathNameA(fileName.c_str(), size, path.data(), nullptr);
  path.resize(length < size ? length : 0);
  return path.empty() ? fileName : path;
}

// A file of the working directory streamed into a Rich Edit control.
class TRichEditStream : public TDocumentStream {
 public:
  explicit TRichEditStream(HWND richEdit) : FControl(richEdit) {}
  ~TRichEditStream() override { Close(); }
  TRichEditStream(const TRichEditStream&) = delete;
  TRichEditStream& operator=(const TRichEditStream&) = delete;

  void Open(const std::string& fileName) override {
    FFile = CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (FFile == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      throw std::runtime_error(OpenErrorText(FullPath(fileName), SystemErrorText(error)));
    }
  }
  void Rewind() override { SetFilePointer(FFile, 0, nullptr, FILE_BEGIN); }
  bool StreamIn(TStreamFormat format) override {
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(FFile);
    stream.pfnCallback = ReadChunk;
    SendMessageA(FControl, EM_STREAMIN, format == TStreamFormat::Rtf ? SF_RTF : SF_TEXT,
                 reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
  }
  void Close() override {
    if (FFile != INVALID_HANDLE_VALUE) CloseHandle(FFile);
    FFile = INVALID_HANDLE_VALUE;
  }

 private:
  HWND FControl;
  HANDLE FFile = INVALID_HANDLE_VALUE;
};

}  // namespace

void LoadDocument(HWND richEdit, const std::string& fileName) {
  TRichEditStream stream(richEdit);
  ReadDocument(stream, fileName);
}

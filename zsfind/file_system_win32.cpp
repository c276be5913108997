#include "zsfind/file_system.h"

#include <windows.h>

namespace {

HANDLE H(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

std::intptr_t FromHandle(HANDLE h) {
  return h == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<std::intptr_t>(h);
}

// Win32 I/O calls take at most a DWORD per call.
constexpr std::size_t kMaxCall = 1u << 30;

}  // namespace

TReadFile::~TReadFile() {
  if (Handle != -1) CloseHandle(H(Handle));
}

bool TReadFile::Open(const std::string& path) {
  // No FILE_FLAG_BACKUP_SEMANTICS: a folder does not open.
  Handle = FromHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  return Handle != -1;
}

long long TReadFile::Read(unsigned char* buffer, std::size_t size) {
  DWORD n = 0;
  const DWORD wanted = static_cast<DWORD>(size < kMaxCall ? size : kMaxCall);
  if (!ReadFile(H(Handle), buffer, wanted, &n, nullptr)) return -1;
  return n;
}

std::optional<std::uint64_t> TReadFile::Size() {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(H(Handle), &size)) return std::nullopt;
  return static_cast<std::uint64_t>(size.QuadPart);
}

bool TReadFile::Seek(std::uint64_t offset) {
  LARGE_INTEGER to{};
  to.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(H(Handle), to, nullptr, FILE_BEGIN) != 0;
}

TFileView::~TFileView() { Release(); }

void TFileView::Release() {
  if (Address) UnmapViewOfFile(Address);
  Address = nullptr;
}

const unsigned char* TFileView::Map(TReadFile& file, std::uint64_t offset, std::size_t size) {
  Release();
  HANDLE mapping = CreateFileMappingA(H(file.Handle), nullptr, PAGE_READONLY, 0, 0, nullptr);
  if (!mapping) return nullptr;
  void* view = MapViewOfFile(mapping, FILE_MAP_READ, static_cast<DWORD>(offset >> 32),
                             static_cast<DWORD>(offset), size);
  // The view keeps the mapping alive by itself.
  CloseHandle(mapping);
  if (!view) return nullptr;
  Address = view;
  Size = size;
  return static_cast<const unsigned char*>(view);
}

TWriteFile::~TWriteFile() {
  if (Handle != -1) CloseHandle(H(Handle));
}

bool TWriteFile::Create(const std::string& path) {
  Handle = FromHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  return Handle != -1;
}

bool TWriteFile::RawWrite(std::string_view data) {
  while (!data.empty()) {
    DWORD n = 0;
    const DWORD wanted = static_cast<DWORD>(data.size() < kMaxCall ? data.size() : kMaxCall);
    if (!WriteFile(H(Handle), data.data(), wanted, &n, nullptr) || n == 0) return false;
    data.remove_prefix(n);
  }
  return true;
}

bool TWriteFile::RawWriteAt(std::uint64_t offset, std::string_view data) {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD n = 0;
  const bool written =
      WriteFile(H(Handle), data.data(), static_cast<DWORD>(data.size()), &n, &at) &&
      n == data.size();
  // A positioned write moves the file pointer of a synchronous handle; later
  // writes go on at the end.
  LARGE_INTEGER zero{};
  return SetFilePointerEx(H(Handle), zero, nullptr, FILE_END) && written;
}

bool TWriteFile::Close() {
  Flush();
  const bool closed = Handle != -1 && CloseHandle(H(Handle));
  Handle = -1;
  return closed && !Failed;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeDirectory(const std::string& path) {
  if (CreateDirectoryA(path.c_str(), nullptr)) return true;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MoveReplacing(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

unsigned long ProcessId() { return GetCurrentProcessId(); }

std::optional<std::string> RawCommandLine() { return std::string(GetCommandLineA()); }

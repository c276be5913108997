#include "zsfind/file_system.h"

#include <windows.h>
#include <ntsecapi.h>

#include "encoding/shift_jis.h"

#include <cstdio>

namespace {

HANDLE H(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

std::intptr_t FromHandle(HANDLE h) {
  return h == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<std::intptr_t>(h);
}

// Win32 I/O calls take at most a DWORD per call.
constexpr std::size_t kMaxCall = 1u << 30;

// One name per result folder for this session's zsfind processes: the
// folder's path with ASCII letters in upper case (Windows paths ignore case),
// hashed (FNV-1a), since a mutex name may not hold a backslash.
std::string MutexName(const std::string& folder) {
  std::uint64_t hash = 14695981039346656037ull;
  const auto* p = reinterpret_cast<const unsigned char*>(folder.data());
  const auto* end = p + folder.size();
  while (p < end) {
    const std::size_t length = ShiftJisCharLength(p, end);
    for (std::size_t i = 0; i < length; ++i, ++p) {
      unsigned char c = *p;
      if (length == 1 && c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
      if (length == 1 && c == '/') c = '\\';
      hash = (hash ^ c) * 1099511628211ull;
    }
  }
  char name[48];
  std::snprintf(name, sizeof name, "Local\\zsfind-results-%016llx",
                static_cast<unsigned long long>(hash));
  return name;
}

}  // namespace

TReadFile::~TReadFile() {
  if (FHandle != -1) CloseHandle(H(FHandle));
}

bool TReadFile::Open(const std::string& path) {
  // No FILE_FLAG_BACKUP_SEMANTICS: a folder does not open. The server of a
  // named pipe may learn who opened it, but never act as this user.
  HANDLE file = CreateFileA(
      path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
      FILE_FLAG_SEQUENTIAL_SCAN | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
  FDevice = file != INVALID_HANDLE_VALUE && GetFileType(file) != FILE_TYPE_DISK;
  if (FDevice) CloseHandle(file);
  FHandle = FDevice ? -1 : FromHandle(file);
  return FHandle != -1;
}

long long TReadFile::Read(unsigned char* buffer, std::size_t size) {
  DWORD n = 0;
  const DWORD wanted = static_cast<DWORD>(size < kMaxCall ? size : kMaxCall);
  if (!ReadFile(H(FHandle), buffer, wanted, &n, nullptr)) return -1;
  return n;
}

std::optional<std::uint64_t> TReadFile::Size() {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(H(FHandle), &size)) return std::nullopt;
  return static_cast<std::uint64_t>(size.QuadPart);
}

bool TReadFile::Seek(std::uint64_t offset) {
  LARGE_INTEGER to{};
  to.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(H(FHandle), to, nullptr, FILE_BEGIN) != 0;
}

TWriteFile::~TWriteFile() {
  if (FHandle != -1) CloseHandle(H(FHandle));
}

bool TWriteFile::CreateNew(const std::string& path) {
  FHandle = FromHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
  return FHandle != -1;
}

bool TWriteFile::RawWrite(std::string_view data) {
  while (!data.empty()) {
    DWORD n = 0;
    const DWORD wanted = static_cast<DWORD>(data.size() < kMaxCall ? data.size() : kMaxCall);
    if (!WriteFile(H(FHandle), data.data(), wanted, &n, nullptr) || n == 0) return false;
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
      WriteFile(H(FHandle), data.data(), static_cast<DWORD>(data.size()), &n, &at) &&
      n == data.size();
  // A positioned write moves the file pointer of a synchronous handle; later
  // writes go on at the end.
  LARGE_INTEGER zero{};
  return SetFilePointerEx(H(FHandle), zero, nullptr, FILE_END) && written;
}

bool TWriteFile::Close() {
  Flush();
  const bool closed = FHandle != -1 && CloseHandle(H(FHandle));
  FHandle = -1;
  return closed && !FFailed;
}

TFolderLock::~TFolderLock() {
  if (FHandle == -1) return;
  ReleaseMutex(H(FHandle));
  CloseHandle(H(FHandle));
}

bool TFolderLock::Lock(const std::string& folder) {
  HANDLE mutex = CreateMutexA(nullptr, FALSE, MutexName(folder).c_str());
  if (!mutex) return false;
  // An abandoned mutex (its holder died) is owned all the same.
  const DWORD waited = WaitForSingleObject(mutex, INFINITE);
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
    CloseHandle(mutex);
    return false;
  }
  FHandle = reinterpret_cast<std::intptr_t>(mutex);
  return true;
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

std::vector<std::string> FilesEndingIn(const std::string& folder, std::string_view suffix) {
  const std::string prefix = folder.empty() ? folder : folder + "\\";
  std::vector<std::string> paths;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((prefix + "*" + std::string(suffix)).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return paths;
  do {
    // The pattern matches short names too: the long one must end so.
    const std::string_view name = found.cFileName;
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name.size() > suffix.size() &&
        name.substr(name.size() - suffix.size()) == suffix) {
      paths.push_back(prefix + found.cFileName);
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return paths;
}

bool RandomBytes(unsigned char* buffer, std::size_t size) {
  return RtlGenRandom(buffer, static_cast<ULONG>(size)) != FALSE;
}

std::optional<std::string> RawCommandLine() { return std::string(GetCommandLineA()); }

#include "zsfind/file_system.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

TReadFile::~TReadFile() {
  if (Handle >= 0) close(Fd(Handle));
}

bool TReadFile::Open(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    close(fd);
    return false;
  }
  Handle = fd;
  return true;
}

long long TReadFile::Read(unsigned char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = read(Fd(Handle), buffer, size);
    if (n >= 0 || errno != EINTR) return n;
  }
}

std::optional<std::uint64_t> TReadFile::Size() {
  struct stat st {};
  if (fstat(Fd(Handle), &st) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

bool TReadFile::Seek(std::uint64_t offset) {
  return lseek(Fd(Handle), static_cast<off_t>(offset), SEEK_SET) >= 0;
}

TFileView::~TFileView() { Release(); }

void TFileView::Release() {
  if (Address) munmap(Address, Size);
  Address = nullptr;
}

const unsigned char* TFileView::Map(TReadFile& file, std::uint64_t offset, std::size_t size) {
  Release();
  // Populated at once: one call instead of a page fault per page.
  void* view = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, Fd(file.Handle),
                    static_cast<off_t>(offset));
  if (view == MAP_FAILED) return nullptr;
  Address = view;
  Size = size;
  return static_cast<const unsigned char*>(view);
}

TWriteFile::~TWriteFile() {
  if (Handle >= 0) close(Fd(Handle));
}

bool TWriteFile::Create(const std::string& path) {
  Handle = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  return Handle >= 0;
}

bool TWriteFile::RawWrite(std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = write(Fd(Handle), data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool TWriteFile::RawWriteAt(std::uint64_t offset, std::string_view data) {
  return pwrite(Fd(Handle), data.data(), data.size(), static_cast<off_t>(offset)) ==
         static_cast<ssize_t>(data.size());
}

bool TWriteFile::Close() {
  Flush();
  const bool closed = Handle >= 0 && close(Fd(Handle)) == 0;
  Handle = -1;
  return closed && !Failed;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool MakeDirectory(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  return mkdir(path.c_str(), 0755) == 0;
}

bool MoveReplacing(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }

unsigned long ProcessId() { return static_cast<unsigned long>(getpid()); }

std::optional<std::string> RawCommandLine() { return std::nullopt; }

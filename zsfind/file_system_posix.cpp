#include "zsfind/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace {

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

// The views the bus-error handler guards: [GuardBegin, GuardEnd) per slot (a
// zero begin marks a free slot), and whether a page of one had to be replaced.
constexpr int kGuardSlots = 8;
std::atomic<std::uintptr_t> GuardBegin[kGuardSlots];
std::atomic<std::uintptr_t> GuardEnd[kGuardSlots];
std::atomic<bool> GuardFailed{false};
std::uintptr_t PageSize = 4096;
struct sigaction PreviousBusAction {};

bool IsGuarded(std::uintptr_t at) {
  for (int i = 0; i < kGuardSlots; ++i) {
    const std::uintptr_t begin = GuardBegin[i].load();
    if (begin != 0 && at >= begin && at < GuardEnd[i].load()) return true;
  }
  return false;
}

void OnBusError(int signal, siginfo_t* info, void*) {
  const auto at = reinterpret_cast<std::uintptr_t>(info->si_addr);
  if (IsGuarded(at)) {
    void* zeros = mmap(reinterpret_cast<void*>(at - at % PageSize), PageSize, PROT_READ,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    if (zeros != MAP_FAILED) {
      // The faulting read is tried again and now finds zeros.
      GuardFailed = true;
      return;
    }
  }
  // Not a page of the view: whoever handled the signal before handles it.
  sigaction(signal, &PreviousBusAction, nullptr);
}

void InstallBusErrorHandler() {
  static const bool installed = [] {
    PageSize = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    return sigaction(SIGBUS, &action, &PreviousBusAction) == 0;
  }();
  (void)installed;
}

}  // namespace

TReadFile::~TReadFile() {
  if (FHandle >= 0) close(Fd(FHandle));
}

bool TReadFile::Open(const std::string& path) {
  // O_NONBLOCK: opening a FIFO would wait for a writer (it changes nothing
  // for a regular file); O_NOCTTY: a terminal never becomes this process's.
  FDevice = false;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return false;
  struct stat st {};
  const bool stated = fstat(fd, &st) == 0;
  FDevice = stated && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
  if (!stated || !S_ISREG(st.st_mode)) {
    close(fd);
    return false;
  }
  FHandle = fd;
  return true;
}

long long TReadFile::Read(unsigned char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = read(Fd(FHandle), buffer, size);
    if (n >= 0 || errno != EINTR) return n;
  }
}

std::optional<std::uint64_t> TReadFile::Size() {
  struct stat st {};
  if (fstat(Fd(FHandle), &st) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

bool TReadFile::Seek(std::uint64_t offset) {
  return lseek(Fd(FHandle), static_cast<off_t>(offset), SEEK_SET) >= 0;
}

TFileView::~TFileView() { Release(); }

void TFileView::Release() {
  if (!FAddress) return;
  GuardBegin[FSlot] = 0;
  GuardEnd[FSlot] = 0;
  munmap(FAddress, FSize);
  FAddress = nullptr;
}

const unsigned char* TFileView::Map(TReadFile& file, std::uint64_t offset, std::size_t size) {
  Release();
  InstallBusErrorHandler();
  // Populated at once: one call instead of a page fault per page.
  void* view = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, Fd(file.FHandle),
                    static_cast<off_t>(offset));
  if (view == MAP_FAILED) return nullptr;
  const auto begin = reinterpret_cast<std::uintptr_t>(view);
  // A free slot is claimed by its begin; its end (zero while free) follows.
  for (FSlot = 0; FSlot < kGuardSlots; ++FSlot) {
    std::uintptr_t free = 0;
    if (GuardBegin[FSlot].compare_exchange_strong(free, begin)) break;
  }
  if (FSlot == kGuardSlots) {
    munmap(view, size);
    return nullptr;
  }
  GuardEnd[FSlot] = begin + size;
  FAddress = view;
  FSize = size;
  return static_cast<const unsigned char*>(view);
}

bool TFileView::HasAnyPageFailed() { return GuardFailed; }

void TFileView::ClearFailures() { GuardFailed = false; }

TWriteFile::~TWriteFile() {
  if (FHandle >= 0) close(Fd(FHandle));
}

bool TWriteFile::CreateNew(const std::string& path) {
  FHandle = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  return FHandle >= 0;
}

bool TWriteFile::RawWrite(std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = write(Fd(FHandle), data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool TWriteFile::RawWriteAt(std::uint64_t offset, std::string_view data) {
  return pwrite(Fd(FHandle), data.data(), data.size(), static_cast<off_t>(offset)) ==
         static_cast<ssize_t>(data.size());
}

bool TWriteFile::Close() {
  Flush();
  const bool closed = FHandle >= 0 && close(Fd(FHandle)) == 0;
  FHandle = -1;
  return closed && !FFailed;
}

TFolderLock::~TFolderLock() {
  // Closing the folder releases its lock.
  if (FHandle >= 0) close(Fd(FHandle));
}

bool TFolderLock::Lock(const std::string& folder) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  while (flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) {
      close(fd);
      return false;
    }
  }
  FHandle = fd;
  return true;
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

std::vector<std::string> FilesEndingIn(const std::string& folder, std::string_view suffix) {
  std::vector<std::string> paths;
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return paths;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (entry->d_type != DT_DIR && name.size() > suffix.size() &&
        name.substr(name.size() - suffix.size()) == suffix) {
      paths.push_back(folder.empty() ? std::string(name) : folder + "/" + entry->d_name);
    }
  }
  closedir(dir);
  return paths;
}

bool RandomBytes(unsigned char* buffer, std::size_t size) {
  return getrandom(buffer, size, 0) == static_cast<ssize_t>(size);
}

std::optional<std::string> RawCommandLine() { return std::nullopt; }

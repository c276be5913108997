#include "zsfind/result_file.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The result folder and, where they are missing too, the folders above it.
bool MakeDirectories(const std::string& path) {
  if (MakeDirectory(path)) return true;
  const std::string parent = ParentDirectory(path);
  return !parent.empty() && parent.size() < path.size() && MakeDirectories(parent) &&
         MakeDirectory(path);
}

constexpr std::string_view kDigits = "0123456789abcdef";
constexpr std::string_view kTemporarySuffix = ".zsfind-new";
constexpr std::size_t kRandomDigits = 16;

// A name beside the target that no one can guess: 64 random bits.
std::optional<std::string> TemporaryName(const std::string& target) {
  unsigned char bytes[kRandomDigits / 2];
  if (!RandomBytes(bytes, sizeof bytes)) return std::nullopt;
  std::string name = target + ".";
  for (const unsigned char b : bytes) {
    name.push_back(kDigits[b >> 4]);
    name.push_back(kDigits[b & 15]);
  }
  return name.append(kTemporarySuffix);
}

// Whether a path is one TemporaryName makes: ".", 16 digits, the suffix.
bool IsTemporaryName(std::string_view path) {
  const std::size_t tail = 1 + kRandomDigits + kTemporarySuffix.size();
  if (path.size() <= tail) return false;
  const std::string_view random = path.substr(path.size() - tail + 1, kRandomDigits);
  return path[path.size() - tail] == '.' &&
         random.find_first_not_of(kDigits) == std::string_view::npos;
}

// Removes what searches killed on the way left in the folder. Called with its
// lock held: every search that writes there holds it while it runs, so none
// of them is running. (Where a search locked the same folder under another
// spelling, its file is open without sharing on Windows and stays.)
void RemoveLeftovers(const std::string& folder) {
  for (const std::string& path : FilesEndingIn(folder, kTemporarySuffix)) {
    if (IsTemporaryName(path)) RemoveFile(path);
  }
}

// Copies exactly `count` bytes of the file at `path` to out.
bool CopyStart(const std::string& path, std::uint64_t count, TWriteFile& out) {
  TReadFile old;
  if (!old.Open(path)) return false;
  std::array<unsigned char, 64 * 1024> block;
  while (count > 0) {
    const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(count, block.size()));
    const long long n = old.Read(block.data(), want);
    if (n <= 0) return false;
    out.Write({reinterpret_cast<const char*>(block.data()), static_cast<std::size_t>(n)});
    count -= static_cast<std::uint64_t>(n);
  }
  return true;
}

}  // namespace

TResultFile::~TResultFile() { Discard(); }

bool TResultFile::Start(std::uint64_t keep) {
  Discard();
  const std::string folder = ParentDirectory(FTargetPath);
  if (!folder.empty()) MakeDirectories(folder);
  // A name that is taken (by chance, or by a file put there) is not used.
  for (int attempt = 0; attempt < 8 && FTempPath.empty(); ++attempt) {
    const auto name = TemporaryName(FTargetPath);
    if (!name) break;
    if (FFile.emplace().CreateNew(*name)) FTempPath = *name;
  }
  if (FTempPath.empty()) return false;
  if (keep == 0 || CopyStart(FTargetPath, keep, *FFile)) return true;
  Discard();
  return false;
}

bool TResultFile::Commit() {
  const bool written = !FTempPath.empty() && FFile->Close();
  if (written && MoveReplacing(FTempPath, FTargetPath)) {
    FTempPath.clear();
    return true;
  }
  Discard();
  return false;
}

void TResultFile::Discard() {
  if (FTempPath.empty()) return;
  FFile->Close();
  RemoveFile(FTempPath);
  FTempPath.clear();
}

TResultLocks::TResultLocks(const std::vector<std::string>& targets) {
  std::vector<std::string> folders;
  for (const std::string& target : targets) folders.push_back(ParentDirectory(target));
  std::sort(folders.begin(), folders.end());
  folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
  for (const std::string& folder : folders) {
    if (!folder.empty()) MakeDirectories(folder);
    // A folder that cannot be made or locked cannot take its result either;
    // that result fails on its own.
    auto lock = std::make_unique<TFolderLock>();
    if (!lock->Lock(folder)) continue;
    RemoveLeftovers(folder);
    FLocks.push_back(std::move(lock));
  }
}

std::optional<std::uint64_t> ExistingSize(const std::string& path) {
  TReadFile file;
  if (!file.Open(path)) return std::nullopt;
  return file.Size();
}

std::optional<std::string> ReadFrom(const std::string& path, std::uint64_t offset,
                                    std::size_t limit) {
  TReadFile file;
  if (!file.Open(path) || !file.Seek(offset)) return std::nullopt;
  std::string bytes(limit, '\0');
  std::size_t filled = 0;
  while (filled < limit) {
    const long long n =
        file.Read(reinterpret_cast<unsigned char*>(bytes.data()) + filled, limit - filled);
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  bytes.resize(filled);
  return bytes;
}

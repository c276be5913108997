#include "zsfind/result_file.h"

#include <string>
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

}  // namespace

TResultFile::TResultFile(std::string target)
    : TargetPath(std::move(target)),
      TempPath(TargetPath + "." + std::to_string(ProcessId()) + ".zsfind-new") {}

TResultFile::~TResultFile() {
  if (!Done) Discard();
}

bool TResultFile::Start(std::uint64_t keep) {
  const std::string folder = ParentDirectory(TargetPath);
  if (!folder.empty()) MakeDirectories(folder);
  Started = File.Create(TempPath);
  if (!Started || keep == 0) return Started;
  TReadFile old;
  if (!old.Open(TargetPath)) return false;
  std::vector<unsigned char> block(1 << 20);
  while (keep > 0) {
    const std::size_t want = keep < block.size() ? static_cast<std::size_t>(keep) : block.size();
    const long long n = old.Read(block.data(), want);
    if (n <= 0) return false;
    File.Write({reinterpret_cast<const char*>(block.data()), static_cast<std::size_t>(n)});
    keep -= static_cast<std::uint64_t>(n);
  }
  return true;
}

bool TResultFile::Commit() {
  Done = true;
  if (Started && File.Close() && MoveReplacing(TempPath, TargetPath)) return true;
  Discard();
  return false;
}

void TResultFile::Discard() {
  Done = true;
  File.Close();
  if (Started) RemoveFile(TempPath);
  RemoveFile(TargetPath);
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

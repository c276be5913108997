#pragma once
// One result file, written beside its target and moved over it only when it is
// complete: the front end, which opens whatever result it finds, never sees a
// half-written one. The temporary file is created new under a name no one can
// guess, so nothing placed in a shared folder beforehand is written through.

#include "zsfind/file_system.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TResultFile {
 public:
  explicit TResultFile(std::string target) : FTargetPath(std::move(target)) {}
  TResultFile(const TResultFile&) = delete;
  TResultFile& operator=(const TResultFile&) = delete;
  ~TResultFile();

  const std::string& Target() const { return FTargetPath; }
  // Creates the target's folder when missing and a new temporary file that
  // starts with the first `keep` bytes of the current target. False when
  // either cannot be done, the target being shorter than `keep` included
  // (gone or cut short meanwhile): nothing is left behind then.
  bool Start(std::uint64_t keep);
  TWriteFile& Out() { return *FFile; }
  // Replaces the target with what was written since Start. False when it
  // cannot: the temporary file is removed and the target left as it was.
  bool Commit();

 private:
  void Discard();

  std::string FTargetPath;
  std::string FTempPath;  // empty while no temporary file exists
  std::optional<TWriteFile> FFile;
};

// Holds the locks of the folders the given results lie in, creating the
// folders where they are missing: one search at a time writes a folder's
// results. The folders are locked in one order, so that two searches never
// wait for each other. Once it holds a folder's lock, it removes the
// temporary results that killed searches left there.
class TResultLocks {
 public:
  explicit TResultLocks(const std::vector<std::string>& targets);

 private:
  std::vector<std::unique_ptr<TFolderLock>> FLocks;
};

// The size of a file, if it exists and can be read.
std::optional<std::uint64_t> ExistingSize(const std::string& path);
// The bytes of a file from offset to its end (at most `limit` of them).
std::optional<std::string> ReadFrom(const std::string& path, std::uint64_t offset,
                                    std::size_t limit);

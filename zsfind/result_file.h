#pragma once
// One result file, written beside its target and moved over it only when it is
// complete: the front end, which opens whatever result it finds, never sees a
// half-written one. A result that cannot be completed takes the old one with it.

#include "zsfind/file_system.h"

#include <cstdint>
#include <optional>
#include <string>

class TResultFile {
 public:
  explicit TResultFile(std::string target);
  TResultFile(const TResultFile&) = delete;
  TResultFile& operator=(const TResultFile&) = delete;
  ~TResultFile();

  const std::string& Target() const { return TargetPath; }
  // Creates the target's folder when missing and the temporary file, which
  // starts with the first `keep` bytes of the current target.
  bool Start(std::uint64_t keep);
  TWriteFile& Out() { return File; }
  // Replaces the target. On failure the target is removed as well.
  bool Commit();

 private:
  void Discard();

  std::string TargetPath;
  std::string TempPath;
  TWriteFile File;
  bool Started = false;
  bool Done = false;
};

// The size of a file, if it exists and can be read.
std::optional<std::uint64_t> ExistingSize(const std::string& path);
// The bytes of a file from offset to its end (at most `limit` of them).
std::optional<std::string> ReadFrom(const std::string& path, std::uint64_t offset,
                                    std::size_t limit);

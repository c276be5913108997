#pragma once
// A result file in one format. A search writes one section: its header, the
// matching records, any problem, and then the count, which is filled into the
// header at the end so that the database is read only once. Before the search
// starts, a section that says it has not finished stands in the result, so a
// search that dies on the way never leaves an older result looking like its own.

#include "zsfind/hit_mask.h"
#include "zsfind/query.h"
#include "zsfind/result_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class TReport {
 public:
  TReport(std::string target, bool append) : File(std::move(target)), Append(append) {}
  virtual ~TReport() = default;

  // Puts the unfinished section in place of the result (or after the earlier
  // sections, when appending) and starts the real one. False when the result
  // cannot be written or replaced; the old result is then removed if it can be.
  bool Begin(const TQuery& query);
  virtual void Record(std::string_view record, const THitMask& hits) = 0;
  virtual void Problem(std::string_view message) = 0;
  // Fills in the count (none when the search could not run) and replaces the
  // result; false when it could not be written (the unfinished section stays).
  bool End(std::optional<std::uint64_t> count);
  const std::string& Target() const { return File.Target(); }

 protected:
  // How much of the existing target an appended section keeps.
  virtual std::uint64_t KeptBytes() = 0;
  virtual void WriteHeader(const TQuery& query, bool newFile) = 0;
  virtual void WriteFooter() = 0;
  // Reserves room for the count text in the header.
  void WriteCountField();
  // Writes `size` blanks to be overwritten at the end; returns where they are.
  std::uint64_t Reserve(std::size_t size);
  void Fill(std::uint64_t offset, std::string_view text) { Out().WriteAt(offset, text); }
  TWriteFile& Out() { return File.Out(); }

 private:
  bool StartSection(const TQuery& query);
  bool Finish(std::optional<std::uint64_t> count);

  TResultFile File;
  bool Append;
  std::uint64_t Kept = 0;
  bool Started = false;
  std::uint64_t CountOffset = 0;
};

// The count as the header shows it, padded with blanks to a fixed width.
std::string CountField(std::optional<std::uint64_t> count);

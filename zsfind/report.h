#pragma once
// A result file in one format. A search writes one section: its header, the
// matching records, any problem, and then the count, which is filled into the
// header at the end so that the database is read only once.

#include "zsfind/result_file.h"
#include "zsfind/word_pattern.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TQuery {
  std::string Word1;
  std::string Word2;  // empty for a one-word search
  std::string Database;
  TCompare Compare = TCompare::Folded;
};

class TReport {
 public:
  TReport(std::string target, bool append) : File(std::move(target)), Append(append) {}
  virtual ~TReport() = default;

  bool Begin(const TQuery& query);
  virtual void Record(std::string_view record, const std::vector<THit>& hits) = 0;
  virtual void Problem(std::string_view message) = 0;
  // Fills in the count (none when the search could not run) and replaces the
  // target; false when the result could not be written.
  bool End(std::optional<std::uint64_t> count);
  const std::string& Target() const { return File.Target(); }

 protected:
  // How much of the existing target an appended section keeps.
  virtual std::uint64_t KeptBytes() = 0;
  virtual void WriteHeader(const TQuery& query, bool newFile) = 0;
  virtual void WriteFooter() = 0;
  // Reserves room for the count text in the header.
  void WriteCountField();
  TWriteFile& Out() { return File.Out(); }

 private:
  TResultFile File;
  bool Append;
  bool Started = false;
  std::uint64_t CountOffset = 0;
};

// The count as the header shows it, padded with blanks to a fixed width.
std::string CountField(std::optional<std::uint64_t> count);

#pragma once
// A result file in one format. A search writes one section: its header, the
// matching records, any problem or note, and then what the search found out
// (the count, the database's encoding), which is filled into the header at the
// end so that the database is read only once. Before the search starts, a
// section that says it has not finished stands in the result, so a search that
// dies on the way never leaves an older result looking like its own.

#include "zsfind/database_encoding.h"
#include "zsfind/hit_mask.h"
#include "zsfind/query.h"
#include "zsfind/result_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One matching record.
struct TFoundRecord {
  std::string_view Text;  // as the database holds it; UTF-8 for a Unicode database
  TCharCoding Coding;
  const THitMask& Hits;       // the bytes of Text that a hit covers
  std::string_view ShiftJis;  // Text in Shift-JIS, 〓 for each character the code page lacks
};

// What a search found out.
struct TSearchSummary {
  std::optional<std::uint64_t> Count;         // none when the search could not run
  std::optional<TDatabaseEncoding> Encoding;  // none when the database was not read
  std::uint64_t Replaced = 0;                 // characters written as 〓
};

class TReport {
 public:
  TReport(std::string target, bool append) : FFile(std::move(target)), FAppend(append) {}
  virtual ~TReport() = default;

  // Puts the unfinished section in place of the result (or after the earlier
  // sections, when appending) and starts the real one. False when the result
  // cannot be written or replaced; the old result is then removed if it can be.
  bool Begin(const TQuery& query);
  virtual void Record(const TFoundRecord& record) = 0;
  // An error (エラー：) and a remark on how the database was read (注意：).
  virtual void Problem(std::string_view message) = 0;
  virtual void Note(std::string_view message) = 0;
  // Fills in the summary and replaces the result; false when it could not be
  // written (the unfinished section stays).
  bool End(const TSearchSummary& summary);
  const std::string& Target() const { return FFile.Target(); }

 protected:
  // Blanks in the header, filled in at the end.
  struct TField {
    std::uint64_t Offset = 0;
    std::size_t Width = 0;
  };

  // How much of the existing target an appended section keeps.
  virtual std::uint64_t KeptBytes() = 0;
  virtual void WriteHeader(const TQuery& query, bool newFile) = 0;
  // Ends the section and fills in the header's fields.
  virtual void WriteFooter(const TSearchSummary& summary) = 0;
  TField ReserveField(std::size_t width);
  // The text, cut to whole characters where it is wider than the field.
  void Fill(const TField& field, std::string_view text);
  TWriteFile& Out() { return FFile.Out(); }

 private:
  bool StartSection(const TQuery& query);
  bool Finish(const TSearchSummary& summary);

  TResultFile FFile;
  bool FAppend;
  std::uint64_t FKept = 0;
  bool FStarted = false;
};

// The count as the header shows it: "3 件", or that the search could not run.
std::string CountText(std::optional<std::uint64_t> count);

#pragma once
// A settings store held in memory, for the database list's tests and fuzzer:
// it keeps typed raw values like the registry does, so tests can plant wrong
// types, missing values and unterminated strings, and it fails on demand.

#include "search/settings_store.h"

#include <map>
#include <set>
#include <string>
#include <vector>

struct TStoredValue {
  TValueKind Kind = TValueKind::String;
  std::string Data;  // raw bytes; a written string carries its zero byte
};

class TMemorySettingsStore : public TSettingsStore {
 public:
  std::string ReadString(const std::string& section, const std::string& name,
                         const std::string& def) override;
  void WriteString(const std::string& section, const std::string& name,
                   const std::string& text) override;

  // Puts a value in place as it is, creating its section.
  void Plant(const std::string& section, const std::string& name, TStoredValue value);
  void Remove(const std::string& section, const std::string& name);
  // Null when the section or the value is missing.
  const TStoredValue* Find(const std::string& section, const std::string& name) const;
  bool HasSection(const std::string& section) const;

  // Failure injection: a section that cannot be created, values whose data
  // cannot be read or written.
  void FailSectionCreate(const std::string& section) { BrokenSections_.insert(section); }
  void FailRead(const std::string& name) { UnreadableValues_.insert(name); }
  void FailWrite(const std::string& name) { UnwritableValues_.insert(name); }

  // Names of the values written successfully, in order.
  const std::vector<std::string>& WriteLog() const { return WriteLog_; }

 private:
  using TSection = std::map<std::string, TStoredValue>;
  std::map<std::string, TSection> Sections_;
  std::set<std::string> BrokenSections_;
  std::set<std::string> UnreadableValues_;
  std::set<std::string> UnwritableValues_;
  std::vector<std::string> WriteLog_;
};

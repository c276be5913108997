#pragma once
// The list of database files behind the database field: the most recently set
// entry first. Entries are Shift-JIS byte strings kept exactly as typed.

#include "search/settings_store.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kCountValue = "RegCount";
inline constexpr std::string_view kEntryValuePrefix = "FileName";

// Set-and-add grows the list only up to this many entries.
inline constexpr std::size_t kMaxGrownEntries = 30;
// A load reads at most this many entries, however large the stored count: a
// damaged count such as 2147483647 would otherwise take minutes and gigabytes.
// No user-grown list comes anywhere near it.
inline constexpr std::size_t kMaxLoadedEntries = 10000;

// The list used when nothing has been saved.
inline constexpr std::array<std::string_view, 6> kDefaultDatabases = {
    "番号順.txt", "著者名.txt", "年代順.txt", "分類順.txt", "論文名.txt", "data.txt",
};

class TDatabaseList {
 public:
  // Replaces the entries by those in the store: the defaults when the count
  // is missing, unreadable as a number, or 0; nothing when it is negative.
  // On a store error the entries read so far stay and the error propagates.
  void LoadFromStore(TSettingsStore& store);
  // Writes the count first, then every entry. Nothing is deleted, so values
  // beyond the count from an earlier, longer save remain (and are ignored).
  void SaveToStore(TSettingsStore& store) const;

  // Puts text at the top: moves its last copy there, or inserts it, dropping
  // the last entry when the list already holds kMaxGrownEntries or more.
  void MoveToTop(const std::string& text);
  // Removes the last copy of text, if any. False only for an empty list, in
  // which case nothing was done.
  bool RemoveEntry(const std::string& text);

  std::size_t Count() const { return FEntries.size(); }
  const std::vector<std::string>& Entries() const { return FEntries; }

 private:
  // The position of the last entry equal to text, or Count() when none is.
  std::size_t LastMatch(const std::string& text) const;

  std::vector<std::string> FEntries;
};

// "FileName" followed by the 1-based position.
std::string EntryValueName(std::size_t position);

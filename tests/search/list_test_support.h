#pragma once
// Helpers shared by the database list tests.

#include "search/database_list.h"
#include "tests/support/memory_settings_store.h"

#include <cstddef>
#include <string>
#include <vector>

using TEntries = std::vector<std::string>;

inline TEntries DefaultEntries() {
  return TEntries(kDefaultDatabases.begin(), kDefaultDatabases.end());
}

// "db1", "db2", ... "dbN".
inline TEntries Numbered(std::size_t count) {
  TEntries entries;
  for (std::size_t i = 1; i <= count; ++i) entries.push_back("db" + std::to_string(i));
  return entries;
}

inline TEntries Join(TEntries front, const TEntries& back) {
  front.insert(front.end(), back.begin(), back.end());
  return front;
}

// Built by functions rather than braces: GCC 12 misreports arrays of braced
// values holding strings as maybe uninitialized.
inline TStoredValue RawValue(TValueKind kind, const std::string& data) { return {kind, data}; }

// A string value as the registry stores it: with its terminating zero.
inline TStoredValue StringValue(const std::string& text) {
  return RawValue(TValueKind::String, text + '\0');
}

// Plants a count and entries in the section the list reads.
inline void PlantList(TMemorySettingsStore& store, const std::string& count,
                      const TEntries& entries) {
  const std::string section(kSettingsSection);
  store.Plant(section, std::string(kCountValue), StringValue(count));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    store.Plant(section, EntryValueName(i + 1), StringValue(entries[i]));
  }
}

// A list holding exactly entries, loaded the way the program gets one.
inline TDatabaseList ListOf(const TEntries& entries) {
  TMemorySettingsStore store;
  PlantList(store, entries.empty() ? "-1" : std::to_string(entries.size()), entries);
  TDatabaseList list;
  list.LoadFromStore(store);
  return list;
}

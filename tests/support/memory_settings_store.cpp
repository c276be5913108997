#include "tests/support/memory_settings_store.h"

#include <utility>

std::string TMemorySettingsStore::ReadString(const std::string& section, const std::string& name,
                                             const std::string& def) {
  const TStoredValue* value = Find(section, name);
  if (value == nullptr) return def;
  if (UnreadableValues_.contains(name)) throw ValueReadError(name);
  return StoredValueText(name, value->Kind, value->Data);
}

void TMemorySettingsStore::WriteString(const std::string& section, const std::string& name,
                                       const std::string& text) {
  if (!HasSection(section) && BrokenSections_.contains(section)) {
    throw SectionCreateError(section);
  }
  TSection& values = Sections_[section];
  if (UnwritableValues_.contains(name)) throw ValueWriteError(name);
  // Stored as the registry stores a string: with its terminating zero.
  values[name] = TStoredValue{TValueKind::String, text + '\0'};
  WriteLog_.push_back(name);
}

void TMemorySettingsStore::Plant(const std::string& section, const std::string& name,
                                 TStoredValue value) {
  Sections_[section][name] = std::move(value);
}

void TMemorySettingsStore::Remove(const std::string& section, const std::string& name) {
  auto found = Sections_.find(section);
  if (found != Sections_.end()) found->second.erase(name);
}

const TStoredValue* TMemorySettingsStore::Find(const std::string& section,
                                               const std::string& name) const {
  auto found = Sections_.find(section);
  if (found == Sections_.end()) return nullptr;
  auto value = found->second.find(name);
  return value == found->second.end() ? nullptr : &value->second;
}

bool TMemorySettingsStore::HasSection(const std::string& section) const {
  return Sections_.contains(section);
}

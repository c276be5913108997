#include "search/database_list.h"

#include <algorithm>

namespace {

const std::string kSection(kSettingsSection);
const std::string kCount(kCountValue);

}  // namespace

std::string EntryValueName(std::size_t position) {
  return std::string(kEntryValuePrefix) + std::to_string(position);
}

void TDatabaseList::LoadFromStore(TSettingsStore& store) {
  FEntries.clear();
  const int32_t count = store.ReadInteger(kSection, kCount, 0);
  if (count == 0) {
    FEntries.assign(kDefaultDatabases.begin(), kDefaultDatabases.end());
    return;
  }
  const std::size_t toRead = std::min<std::size_t>(std::max(count, 0), kMaxLoadedEntries);
  for (std::size_t i = 1; i <= toRead; ++i) {
    // Appended one by one so that a failing read keeps the entries before it.
    FEntries.push_back(store.ReadString(kSection, EntryValueName(i), std::string()));
  }
}

void TDatabaseList::SaveToStore(TSettingsStore& store) const {
  // The count cannot exceed int32_t: a list grows only by a bounded load.
  store.WriteInteger(kSection, kCount, static_cast<int32_t>(FEntries.size()));
  for (std::size_t i = 0; i < FEntries.size(); ++i) {
    store.WriteString(kSection, EntryValueName(i + 1), FEntries[i]);
  }
}

void TDatabaseList::MoveToTop(const std::string& text) {
  const std::size_t match = LastMatch(text);
  if (match < FEntries.size()) {
    FEntries.erase(FEntries.begin() + static_cast<std::ptrdiff_t>(match));
  } else if (FEntries.size() >= kMaxGrownEntries) {
    FEntries.pop_back();
  }
  FEntries.insert(FEntries.begin(), text);
}

bool TDatabaseList::RemoveEntry(const std::string& text) {
  if (FEntries.empty()) return false;
  const std::size_t match = LastMatch(text);
  if (match < FEntries.size()) {
    FEntries.erase(FEntries.begin() + static_cast<std::ptrdiff_t>(match));
  }
  return true;
}

std::size_t TDatabaseList::LastMatch(const std::string& text) const {
  // The last copy wins, so the whole list is searched.
  auto last = std::find(FEntries.rbegin(), FEntries.rend(), text);
  return last == FEntries.rend() ? FEntries.size()
                                 : static_cast<std::size_t>(FEntries.rend() - last - 1);
}

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
  Entries_.clear();
  const int32_t count = store.ReadInteger(kSection, kCount, 0);
  if (count == 0) {
    Entries_.assign(kDefaultDatabases.begin(), kDefaultDatabases.end());
    return;
  }
  const std::size_t toRead = std::min<std::size_t>(std::max(count, 0), kMaxLoadedEntries);
  for (std::size_t i = 1; i <= toRead; ++i) {
    // Appended one by one so that a failing read keeps the entries before it.
    Entries_.push_back(store.ReadString(kSection, EntryValueName(i), std::string()));
  }
}

void TDatabaseList::SaveToStore(TSettingsStore& store) const {
  // The count cannot exceed int32_t: a list grows only by a bounded load.
  store.WriteInteger(kSection, kCount, static_cast<int32_t>(Entries_.size()));
  for (std::size_t i = 0; i < Entries_.size(); ++i) {
    store.WriteString(kSection, EntryValueName(i + 1), Entries_[i]);
  }
}

void TDatabaseList::MoveToTop(const std::string& text) {
  const std::size_t match = LastMatch(text);
  if (match < Entries_.size()) {
    Entries_.erase(Entries_.begin() + static_cast<std::ptrdiff_t>(match));
  } else if (Entries_.size() >= kMaxGrownEntries) {
    Entries_.pop_back();
  }
  Entries_.insert(Entries_.begin(), text);
}

bool TDatabaseList::RemoveEntry(const std::string& text) {
  if (Entries_.empty()) return false;
  const std::size_t match = LastMatch(text);
  if (match < Entries_.size()) {
    Entries_.erase(Entries_.begin() + static_cast<std::ptrdiff_t>(match));
  }
  return true;
}

std::size_t TDatabaseList::LastMatch(const std::string& text) const {
  // The last copy wins, so the whole list is searched.
  auto last = std::find(Entries_.rbegin(), Entries_.rend(), text);
  return last == Entries_.rend() ? Entries_.size()
                                 : static_cast<std::size_t>(Entries_.rend() - last - 1);
}

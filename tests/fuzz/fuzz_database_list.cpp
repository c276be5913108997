// Random sequences of list operations, loads and saves; after each one the
// list must keep its invariants.

#include "search/database_list.h"
#include "tests/support/memory_settings_store.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using TEntries = std::vector<std::string>;

const std::string kSection(kSettingsSection);
const std::string kCount(kCountValue);

void Check(bool condition) {
  if (!condition) std::abort();
}

// Short texts over a few bytes, so that equal texts and near misses are common.
std::string SomeText(FuzzedDataProvider& input) {
  static const char kBytes[] = {'a', 'A', ' ', '"', '\\', '\x95', '\x5c'};
  std::string text;
  const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, 3);
  for (std::size_t i = 0; i < length; ++i) {
    text += kBytes[input.ConsumeIntegralInRange<std::size_t>(0, sizeof(kBytes) - 1)];
  }
  return text;
}

std::ptrdiff_t Occurrences(const TEntries& entries, const std::string& text) {
  return std::count(entries.begin(), entries.end(), text);
}

// entries without the last copy of text; unchanged when there is none.
TEntries WithoutLast(TEntries entries, const std::string& text) {
  auto last = std::find(entries.rbegin(), entries.rend(), text);
  if (last != entries.rend()) entries.erase(std::next(last).base());
  return entries;
}

void MoveToTop(TDatabaseList& list, const std::string& text) {
  const TEntries before = list.Entries();
  list.MoveToTop(text);
  const TEntries& after = list.Entries();
  Check(after.front() == text);
  Check(Occurrences(after, text) == std::max<std::ptrdiff_t>(Occurrences(before, text), 1));
  const bool grows = Occurrences(before, text) == 0 && before.size() < kMaxGrownEntries;
  Check(after.size() == before.size() + (grows ? 1 : 0));
  TEntries rest = WithoutLast(before, text);
  if (rest.size() == before.size() && !grows) rest.pop_back();
  Check(TEntries(after.begin() + 1, after.end()) == rest);
}

void RemoveEntry(TDatabaseList& list, const std::string& text) {
  const TEntries before = list.Entries();
  Check(list.RemoveEntry(text) == !before.empty());
  const TEntries& after = list.Entries();
  const bool removes = Occurrences(before, text) > 0;
  Check(after.size() == before.size() - (removes ? 1 : 0));
  Check(Occurrences(after, text) == Occurrences(before, text) - (removes ? 1 : 0));
  Check(after == WithoutLast(before, text));
}

// Plants a count and some entries, loads them and checks what came back.
std::size_t Load(TDatabaseList& list, FuzzedDataProvider& input) {
  TMemorySettingsStore store;
  const int count = input.ConsumeIntegralInRange(-3, 60);
  store.WriteInteger(kSection, kCount, count);
  TEntries planted(input.ConsumeIntegralInRange<std::size_t>(0, 60));
  for (std::size_t i = 0; i < planted.size(); ++i) {
    planted[i] = SomeText(input);
    store.WriteString(kSection, EntryValueName(i + 1), planted[i]);
  }
  list.LoadFromStore(store);
  TEntries expected;
  if (count == 0) expected.assign(kDefaultDatabases.begin(), kDefaultDatabases.end());
  for (int i = 0; i < count; ++i) {
    expected.push_back(static_cast<std::size_t>(i) < planted.size() ? planted[i] : "");
  }
  Check(list.Entries() == expected);
  return list.Count();
}

void SaveAndReload(const TDatabaseList& list) {
  TMemorySettingsStore store;
  list.SaveToStore(store);
  TDatabaseList reloaded;
  reloaded.LoadFromStore(store);
  if (list.Count() == 0) {
    Check(reloaded.Count() == kDefaultDatabases.size());
  } else {
    Check(reloaded.Entries() == list.Entries());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  TDatabaseList list;
  std::size_t loaded = 0;
  while (input.remaining_bytes() > 0) {
    switch (input.ConsumeIntegralInRange(0, 3)) {
      case 0:
        MoveToTop(list, SomeText(input));
        break;
      case 1:
        RemoveEntry(list, SomeText(input));
        break;
      case 2:
        loaded = Load(list, input);
        break;
      default:
        SaveAndReload(list);
        break;
    }
    Check(list.Count() <= std::max(kMaxGrownEntries, loaded));
  }
  return 0;
}

// Loading and saving the database list through the in-memory store.

#include "search/database_list.h"
#include "tests/support/memory_settings_store.h"

#include "tests/search/list_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kSection(kSettingsSection);
const std::string kCount(kCountValue);

struct TCountCase {
  const char* What;
  TStoredValue Count;
  TEntries Expected;
};

TEST(DatabaseStoreTest, LoadTakesAsManyEntriesAsTheCountSays) {
  const TEntries planted = {"a", "b", "c", "d"};
  const TCountCase cases[] = {
      {"zero", StringValue("0"), DefaultEntries()},
      {"empty text", StringValue(""), DefaultEntries()},
      {"no data at all", RawValue(TValueKind::String, ""), DefaultEntries()},
      {"no data, wrong type", RawValue(TValueKind::Other, ""), DefaultEntries()},
      {"letters", StringValue("abc"), DefaultEntries()},
      {"digit and blank", StringValue("2 "), DefaultEntries()},
      {"out of range", StringValue("2147483648"), DefaultEntries()},
      {"blanks before", StringValue("  2"), {"a", "b"}},
      {"plus", StringValue("+2"), {"a", "b"}},
      {"dollar", StringValue("$2"), {"a", "b"}},
      {"0x", StringValue("0x3"), {"a", "b", "c"}},
      {"expandable string", RawValue(TValueKind::ExpandString, std::string("2\0", 2)), {"a", "b"}},
      {"no terminating zero", RawValue(TValueKind::String, "3"), {"a", "b", "c"}},
      {"text ends at first zero", RawValue(TValueKind::String, std::string{'1', '\0', '5'}), {"a"}},
      {"minus one", StringValue("-1"), {}},
      {"beyond the stored values", StringValue("6"), {"a", "b", "c", "d", "", ""}},
  };
  for (const TCountCase& c : cases) {
    TMemorySettingsStore store;
    PlantList(store, "", planted);
    store.Plant(kSection, kCount, c.Count);
    TDatabaseList list;
    list.LoadFromStore(store);
    EXPECT_EQ(list.Entries(), c.Expected) << c.What;
  }
}

TEST(DatabaseStoreTest, LoadGivesDefaultsWithoutCountOrSection) {
  TMemorySettingsStore empty;
  TDatabaseList list;
  list.LoadFromStore(empty);
  EXPECT_EQ(list.Entries(), DefaultEntries());
  EXPECT_FALSE(empty.HasSection(kSection));  // a load writes nothing

  TMemorySettingsStore otherSection;
  otherSection.Plant("Other", kCount, StringValue("1"));
  list.LoadFromStore(otherSection);
  EXPECT_EQ(list.Entries(), DefaultEntries());
}

TEST(DatabaseStoreTest, LoadKeepsPositionsOfMissingAndOddEntries) {
  TMemorySettingsStore store;
  PlantList(store, "4", {"one", "two", "three", "four"});
  store.Remove(kSection, EntryValueName(2));
  store.Plant(kSection, EntryValueName(3), RawValue(TValueKind::ExpandString, "%TEMP%\\x.txt"));
  store.Plant(kSection, EntryValueName(4), RawValue(TValueKind::String, ""));
  TDatabaseList list;
  list.LoadFromStore(store);
  EXPECT_EQ(list.Entries(), (TEntries{"one", "", "%TEMP%\\x.txt", ""}));
}

TEST(DatabaseStoreTest, LoadReplacesEarlierEntries) {
  TMemorySettingsStore store;
  PlantList(store, "1", {"only"});
  TDatabaseList list = ListOf({"a", "b"});
  list.LoadFromStore(store);
  EXPECT_EQ(list.Entries(), TEntries{"only"});
}

TEST(DatabaseStoreTest, HugeCountIsBounded) {
  TMemorySettingsStore store;
  PlantList(store, "2147483647", {"first"});
  TDatabaseList list;
  list.LoadFromStore(store);
  ASSERT_EQ(list.Count(), kMaxLoadedEntries);
  EXPECT_EQ(list.Entries().at(0), "first");
  EXPECT_EQ(list.Entries().at(kMaxLoadedEntries - 1), "");
}

struct TLoadErrorCase {
  const char* What;
  void (*Break)(TMemorySettingsStore&);
  std::string Message;
  TEntries Kept;
};

TEST(DatabaseStoreTest, LoadErrorsStopTheLoadAndKeepEarlierEntries) {
  const TLoadErrorCase cases[] = {
      {"count as a number",
       [](TMemorySettingsStore& s) {
         s.Plant(kSection, kCount, RawValue(TValueKind::Other, std::string("\x03\0\0\0", 4)));
       },
       "'RegCount' のデータ型が不正です",
       {}},
      {"entry as a number",
       [](TMemorySettingsStore& s) {
         s.Plant(kSection, EntryValueName(3), RawValue(TValueKind::Other, "\x01"));
       },
       "'FileName3' のデータ型が不正です",
       {"a", "b"}},
      {"count unreadable",
       [](TMemorySettingsStore& s) { s.FailRead(kCount); },
       "'RegCount' の取得に失敗しました",
       {}},
      {"entry unreadable",
       [](TMemorySettingsStore& s) { s.FailRead(EntryValueName(2)); },
       "'FileName2' の取得に失敗しました",
       {"a"}},
  };
  for (const TLoadErrorCase& c : cases) {
    TMemorySettingsStore store;
    PlantList(store, "4", {"a", "b", "c", "d"});
    c.Break(store);
    TDatabaseList list;
    try {
      list.LoadFromStore(store);
      ADD_FAILURE() << c.What << ": no error";
    } catch (const TSettingsError& e) {
      EXPECT_EQ(e.what(), c.Message) << c.What;
    }
    EXPECT_EQ(list.Entries(), c.Kept) << c.What;
  }
}

TEST(DatabaseStoreTest, MessagesAreShiftJis) {
  EXPECT_EQ(std::string(ValueTypeError("RegCount").what()),
            "'RegCount' \x82\xcc\x83\x66\x81\x5b\x83\x5e\x8c\x5e\x82\xaa\x95\x73\x90\xb3\x82\xc5"
            "\x82\xb7");
}

TEST(DatabaseStoreTest, SaveWritesCountFirstThenEveryEntryWithItsZero) {
  TMemorySettingsStore store;
  TDatabaseList list;
  list.LoadFromStore(store);
  list.SaveToStore(store);
  EXPECT_EQ(store.WriteLog(), (TEntries{"RegCount", "FileName1", "FileName2", "FileName3",
                                        "FileName4", "FileName5", "FileName6"}));
  const TStoredValue* count = store.Find(kSection, kCount);
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(count->Kind, TValueKind::String);
  EXPECT_EQ(count->Data, std::string("6\0", 2));
  for (std::size_t i = 0; i < kDefaultDatabases.size(); ++i) {
    const TStoredValue* entry = store.Find(kSection, EntryValueName(i + 1));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->Data, std::string(kDefaultDatabases[i]) + '\0');
  }
}

TEST(DatabaseStoreTest, RoundTripKeepsEveryByte) {
  const TEntries entries = {"\"C:\\db\\x.txt\"", "", " a ", "表.txt", "ｶﾀｶﾅ.txt", "Data.txt"};
  TMemorySettingsStore store;
  ListOf(entries).SaveToStore(store);
  TDatabaseList reloaded;
  reloaded.LoadFromStore(store);
  EXPECT_EQ(reloaded.Entries(), entries);
}

TEST(DatabaseStoreTest, ShorterSaveLeavesOldValuesThatTheNextLoadIgnores) {
  TMemorySettingsStore store;
  ListOf(Numbered(10)).SaveToStore(store);
  ListOf({"x", "y", "z"}).SaveToStore(store);
  EXPECT_EQ(store.Find(kSection, kCount)->Data, std::string("3\0", 2));
  EXPECT_EQ(store.Find(kSection, EntryValueName(10))->Data, std::string("db10\0", 5));
  TDatabaseList reloaded;
  reloaded.LoadFromStore(store);
  EXPECT_EQ(reloaded.Entries(), (TEntries{"x", "y", "z"}));
}

TEST(DatabaseStoreTest, EmptyListSavesZeroAndComesBackAsDefaults) {
  TMemorySettingsStore store;
  PlantList(store, "-1", {});
  TDatabaseList list;
  list.LoadFromStore(store);
  list.SaveToStore(store);
  EXPECT_EQ(store.Find(kSection, kCount)->Data, std::string("0\0", 2));
  list.LoadFromStore(store);
  EXPECT_EQ(list.Entries(), DefaultEntries());
}

TEST(DatabaseStoreTest, SaveReplacesANumberTypedCount) {
  TMemorySettingsStore store;
  store.Plant(kSection, kCount, RawValue(TValueKind::Other, std::string("\x02\0\0\0", 4)));
  ListOf({"a"}).SaveToStore(store);
  EXPECT_EQ(store.Find(kSection, kCount)->Kind, TValueKind::String);
  EXPECT_EQ(store.Find(kSection, kCount)->Data, std::string("1\0", 2));
}

struct TSaveErrorCase {
  const char* What;
  void (*Break)(TMemorySettingsStore&);
  std::string Message;
  TEntries Written;
};

TEST(DatabaseStoreTest, SaveErrorsStopTheSaveAndKeepEarlierValues) {
  const TSaveErrorCase cases[] = {
      {"section",
       [](TMemorySettingsStore& s) { s.FailSectionCreate(kSection); },
       "キー Settings の作成に失敗しました",
       {}},
      {"count",
       [](TMemorySettingsStore& s) { s.FailWrite(kCount); },
       "'RegCount' の設定に失敗しました",
       {}},
      {"entry",
       [](TMemorySettingsStore& s) { s.FailWrite(EntryValueName(2)); },
       "'FileName2' の設定に失敗しました",
       {"RegCount", "FileName1"}},
  };
  for (const TSaveErrorCase& c : cases) {
    TMemorySettingsStore store;
    c.Break(store);
    try {
      ListOf({"a", "b", "c"}).SaveToStore(store);
      ADD_FAILURE() << c.What << ": no error";
    } catch (const TSettingsError& e) {
      EXPECT_EQ(e.what(), c.Message) << c.What;
    }
    EXPECT_EQ(store.WriteLog(), c.Written) << c.What;
  }
}

}  // namespace

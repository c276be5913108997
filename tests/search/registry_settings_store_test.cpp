// The registry store and the database list against the real registry (Wine).

#include "search/registry_settings_store.h"

#include "search/database_list.h"
#include "tests/search/list_test_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>

namespace {

const std::string kSection(kSettingsSection);
const std::string kCount(kCountValue);

struct TRawValue {
  DWORD Type = REG_NONE;
  std::string Data;
};

// Each test works below a key of its own, removed before and after it.
class RegistryStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    KeyName_ =
        std::string("zs_test_") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    RegDeleteTreeA(HKEY_CURRENT_USER, KeyName_.c_str());
  }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, KeyName_.c_str()); }

  std::string SectionPath() const { return KeyName_ + "\\" + kSection; }

  void PlantRaw(const std::string& name, DWORD type, const std::string& data) const {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath().c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  std::optional<TRawValue> QueryRaw(const std::string& name) const {
    return QueryRawAt(SectionPath(), name);
  }

  // The value as stored, sized by the registry's own size query.
  static std::optional<TRawValue> QueryRawAt(const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    TRawValue value;
    DWORD size = 0;
    std::optional<TRawValue> result;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &value.Type, nullptr, &size) ==
        ERROR_SUCCESS) {
      value.Data.resize(size);
      if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr,
                           reinterpret_cast<BYTE*>(value.Data.data()), &size) == ERROR_SUCCESS) {
        value.Data.resize(size);
        result = value;
      }
    }
    RegCloseKey(key);
    return result;
  }

  TDatabaseList Load() const {
    TRegistrySettingsStore store(KeyName_);
    TDatabaseList list;
    list.LoadFromStore(store);
    return list;
  }

  void Save(const TDatabaseList& list) const {
    TRegistrySettingsStore store(KeyName_);
    list.SaveToStore(store);
  }

  std::string KeyName_;
};

TEST_F(RegistryStoreTest, FirstLoadCreatesTheEmptyProgramKey) {
  EXPECT_EQ(Load().Entries(), DefaultEntries());
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, KeyName_.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
  DWORD subkeys = 99;
  DWORD values = 99;
  EXPECT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                             nullptr, nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(subkeys, 0u);
  EXPECT_EQ(values, 0u);
}

TEST_F(RegistryStoreTest, SaveWritesStringsWithTheirZeroCounted) {
  Save(Load());
  std::optional<TRawValue> count = QueryRaw(kCount);
  ASSERT_TRUE(count);
  EXPECT_EQ(count->Type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(count->Data, std::string("6\0", 2));
  for (std::size_t i = 0; i < kDefaultDatabases.size(); ++i) {
    std::optional<TRawValue> entry = QueryRaw(EntryValueName(i + 1));
    ASSERT_TRUE(entry) << i;
    EXPECT_EQ(entry->Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(entry->Data, std::string(kDefaultDatabases[i]) + '\0');
  }
  EXPECT_FALSE(QueryRaw(EntryValueName(7)));
}

TEST_F(RegistryStoreTest, NumberTypedCountFailsTheLoadAndTheSaveReplacesIt) {
  PlantRaw(kCount, REG_DWORD, std::string("\x03\0\0\0", 4));
  try {
    Load();
    ADD_FAILURE() << "no error";
  } catch (const TSettingsError& e) {
    EXPECT_STREQ(e.what(), "'RegCount' のデータ型が不正です");
  }
  Save(ListOf({"a"}));
  std::optional<TRawValue> count = QueryRaw(kCount);
  ASSERT_TRUE(count);
  EXPECT_EQ(count->Type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(count->Data, std::string("1\0", 2));
}

TEST_F(RegistryStoreTest, ReadsTakeOddValuesAsStored) {
  const std::string big(1 << 20, 'a');
  PlantRaw(kCount, REG_EXPAND_SZ, std::string("5\0", 2));
  PlantRaw(EntryValueName(1), REG_EXPAND_SZ, std::string("%SystemRoot%\\db.txt\0", 20));
  PlantRaw(EntryValueName(2), REG_SZ, "abc");  // no terminating zero
  PlantRaw(EntryValueName(3), REG_SZ, std::string("ab\0cd\0", 6));
  PlantRaw(EntryValueName(4), REG_BINARY, "");  // no data: its type is not looked at
  PlantRaw(EntryValueName(5), REG_SZ, big + '\0');
  EXPECT_EQ(Load().Entries(), (TEntries{"%SystemRoot%\\db.txt", "abc", "ab", "", big}));
}

TEST_F(RegistryStoreTest, ShorterSaveLeavesLaterValuesWhichTheLoadIgnores) {
  Save(ListOf(Numbered(10)));
  Save(ListOf({"x", "y", "z"}));
  EXPECT_EQ(QueryRaw(kCount)->Data, std::string("3\0", 2));
  for (std::size_t i = 4; i <= 10; ++i) EXPECT_TRUE(QueryRaw(EntryValueName(i))) << i;
  EXPECT_EQ(Load().Entries(), (TEntries{"x", "y", "z"}));
}

TEST_F(RegistryStoreTest, MissingSectionOrValueGivesTheDefault) {
  TRegistrySettingsStore store(KeyName_);
  EXPECT_EQ(store.ReadString(kSection, "v", "def"), "def");
  store.WriteString(kSection, "w", "1");
  EXPECT_EQ(store.ReadString(kSection, "v", "def"), "def");
  EXPECT_EQ(store.ReadInteger(kSection, "v", -4), -4);
  EXPECT_EQ(store.ReadInteger(kSection, "w", -4), 1);
}

TEST_F(RegistryStoreTest, ValueGrowingDuringReadsIsReadWhole) {
  const std::string shortText = "short";
  const std::string longText(100000, 'L');
  TRegistrySettingsStore store(KeyName_);
  store.WriteString(kSection, "v", shortText);
  std::atomic<bool> done = false;
  // Another writer flips the value while reads go on; a read that finds its
  // buffer too small must retry rather than fail or cut the text.
  std::thread writer([&] {
    TRegistrySettingsStore other(KeyName_);
    for (bool flip = false; !done; flip = !flip) {
      other.WriteString(kSection, "v", flip ? longText : shortText);
    }
  });
  int wrong = 0;
  try {
    for (int i = 0; i < 500; ++i) {
      std::string text = store.ReadString(kSection, "v", "");
      if (text != shortText && text != longText) ++wrong;
    }
  } catch (const TSettingsError& e) {
    ADD_FAILURE() << e.what();
  }
  done = true;
  writer.join();
  EXPECT_EQ(wrong, 0);
}

TEST_F(RegistryStoreTest, UnopenableProgramKeyPutsSectionsBelowTheRoot) {
  // No key name component may be longer than 255 characters.
  TRegistrySettingsStore store(std::string(300, 'k'));
  // The test's own key name serves as the section, so the fixture removes it.
  store.WriteString(KeyName_, "v", "x");
  std::optional<TRawValue> value = QueryRawAt(KeyName_, "v");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->Data, std::string("x\0", 2));
  EXPECT_EQ(store.ReadString(KeyName_, "v", ""), "x");
}

// Runs the system's reg.exe and returns what it wrote to its standard output.
std::string RunReg(const std::string& arguments) {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  char systemDir[MAX_PATH] = {};
  GetSystemDirectoryA(systemDir, MAX_PATH);
  // Appended piece by piece: GCC 12 misreports literal + string chains (-Wrestrict).
  std::string commandLine = "\"";
  commandLine.append(systemDir).append("\\reg.exe\" ").append(arguments);
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &process);
  CloseHandle(writeEnd);
  std::string output;
  if (started) {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
      output.append(buffer, got);
    }
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(readEnd);
  return output;
}

// True when a line of reg's listing names the value as REG_SZ and ends in text.
bool ListsString(const std::string& listing, const std::string& name, const std::string& text) {
  std::size_t start = 0;
  while (start < listing.size()) {
    std::size_t end = listing.find('\n', start);
    if (end == std::string::npos) end = listing.size();
    std::string line = listing.substr(start, end - start);
    if (line.ends_with('\r')) line.pop_back();
    const std::size_t at = line.find("    " + name + "    REG_SZ    ");
    if (at != std::string::npos && line.ends_with("    REG_SZ    " + text)) return true;
    start = end + 1;
  }
  return false;
}

TEST_F(RegistryStoreTest, RegToolSeesTheSavedListInShiftJis) {
  Save(Load());
  const std::string listing = RunReg("query HKCU\\" + SectionPath());
  EXPECT_TRUE(ListsString(listing, kCount, "6")) << listing;
  for (std::size_t i = 0; i < kDefaultDatabases.size(); ++i) {
    EXPECT_TRUE(ListsString(listing, EntryValueName(i + 1), std::string(kDefaultDatabases[i])))
        << listing;
  }
}

}  // namespace

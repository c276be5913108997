#include "search/registry_settings_store.h"

#include <algorithm>

namespace {

// Closes a section key at the end of the access that opened it.
class TKeyCloser {
 public:
  explicit TKeyCloser(HKEY key) : FKey(key) {}
  TKeyCloser(const TKeyCloser&) = delete;
  TKeyCloser& operator=(const TKeyCloser&) = delete;
  ~TKeyCloser() { RegCloseKey(FKey); }

 private:
  HKEY FKey;
};

TValueKind KindOf(DWORD type) {
  if (type == REG_SZ) return TValueKind::String;
  if (type == REG_EXPAND_SZ) return TValueKind::ExpandString;
  return TValueKind::Other;
}

// Reads the data of a value whose size is known to be non-zero. The value may
// grow between the size query and the read (another process writing it), so
// a read that finds the buffer too small is retried with the size it reports.
LONG QueryData(HKEY key, const std::string& name, DWORD size, DWORD& type, std::string& data) {
  for (;;) {
    data.resize(size);
    DWORD got = size;
    LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(data.data()), &got);
    if (result != ERROR_MORE_DATA) {
      if (result == ERROR_SUCCESS) data.resize(std::min(got, size));
      return result;
    }
    // Guarantees progress should the reported size not have grown.
    size = std::max<DWORD>(got, size + size / 2 + 1);
  }
}

}  // namespace

TRegistrySettingsStore::TRegistrySettingsStore(const std::string& keyName) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, keyName.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS) {
    FKey = key;
  }
}

TRegistrySettingsStore::~TRegistrySettingsStore() {
  if (FKey != nullptr) RegCloseKey(FKey);
}

std::string TRegistrySettingsStore::ReadString(const std::string& section, const std::string& name,
                                               const std::string& def) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(Root(), section.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
    return def;
  }
  TKeyCloser closer(key);
  DWORD type = REG_NONE;
  DWORD size = 0;
  LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
  if (result == ERROR_FILE_NOT_FOUND) return def;
  if (result != ERROR_SUCCESS) throw ValueReadError(name);
  if (size == 0) return {};
  std::string data;
  result = QueryData(key, name, size, type, data);
  // Deleted by someone else since the size query: it no longer exists.
  if (result == ERROR_FILE_NOT_FOUND) return def;
  if (result != ERROR_SUCCESS) throw ValueReadError(name);
  return StoredValueText(name, KindOf(type), data);
}

void TRegistrySettingsStore::WriteString(const std::string& section, const std::string& name,
                                         const std::string& text) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(Root(), section.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    throw SectionCreateError(section);
  }
  RegCloseKey(key);
  if (RegOpenKeyExA(Root(), section.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
    throw ValueWriteError(name);
  }
  TKeyCloser closer(key);
  // The terminating zero is part of the stored data.
  const DWORD size = static_cast<DWORD>(text.size() + 1);
  if (RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     size) != ERROR_SUCCESS) {
    throw ValueWriteError(name);
  }
}

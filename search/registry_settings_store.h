#pragma once
// The settings store in the Windows registry, below HKEY_CURRENT_USER.

#include "search/settings_store.h"

#include <windows.h>

#include <string>

class TRegistrySettingsStore : public TSettingsStore {
 public:
  // Opens HKEY_CURRENT_USER\keyName, creating it when missing. A failure is
  // not reported: sections are then looked for directly below HKEY_CURRENT_USER.
  explicit TRegistrySettingsStore(const std::string& keyName);
  ~TRegistrySettingsStore() override;

  std::string ReadString(const std::string& section, const std::string& name,
                         const std::string& def) override;
  void WriteString(const std::string& section, const std::string& name,
                   const std::string& text) override;

 private:
  HKEY Root() const { return FKey != nullptr ? FKey : HKEY_CURRENT_USER; }

  HKEY FKey = nullptr;  // null when the open failed
};

#include "search/settings_error.h"

TSettingsError SectionCreateError(const std::string& section) {
  return TSettingsError("キー " + section + " の作成に失敗しました");
}

TSettingsError ValueWriteError(const std::string& name) {
  return TSettingsError("'" + name + "' の設定に失敗しました");
}

TSettingsError ValueReadError(const std::string& name) {
  return TSettingsError("'" + name + "' の取得に失敗しました");
}

TSettingsError ValueTypeError(const std::string& name) {
  return TSettingsError("'" + name + "' のデータ型が不正です");
}

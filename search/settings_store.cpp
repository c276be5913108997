#include "search/settings_store.h"

#include "search/integer_text.h"

int32_t TSettingsStore::ReadInteger(const std::string& section, const std::string& name,
                                    int32_t def) {
  // A missing value and an empty one both give the empty text, which does
  // not convert.
  return TextToInt32(ReadString(section, name, std::string())).value_or(def);
}

void TSettingsStore::WriteInteger(const std::string& section, const std::string& name,
                                  int32_t value) {
  WriteString(section, name, std::to_string(value));
}

std::string StoredValueText(const std::string& name, TValueKind kind, std::string_view data) {
  // An empty value reads as the empty text before its type is looked at.
  if (data.empty()) return {};
  if (kind == TValueKind::Other) throw ValueTypeError(name);
  return std::string(data.substr(0, data.find('\0')));
}

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

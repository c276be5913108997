#pragma once
// The per-user settings store: keys, sections and string values. One store
// object is one open of the program key, released when it is destroyed.
// Failures raise TSettingsError.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// The errors of the settings store. Each message is the Shift-JIS text the
// user sees; the name in it is spliced in, never used as a format.
class TSettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A section could not be created for writing.
TSettingsError SectionCreateError(const std::string& section);
// A value could not be written.
TSettingsError ValueWriteError(const std::string& name);
// A value exists but its data could not be read.
TSettingsError ValueReadError(const std::string& name);
// A value exists but holds no string.
TSettingsError ValueTypeError(const std::string& name);

// The type a stored value has, as far as reading cares.
enum class TValueKind {
  String,        // REG_SZ
  ExpandString,  // REG_EXPAND_SZ, read as stored, nothing expanded
  Other,         // numbers, binary data, ...
};

class TSettingsStore {
 public:
  TSettingsStore() = default;
  TSettingsStore(const TSettingsStore&) = delete;
  TSettingsStore& operator=(const TSettingsStore&) = delete;
  virtual ~TSettingsStore() = default;

  // def when the section or the value is missing; the text up to its first
  // zero byte otherwise. Raises for a value that is not a string.
  virtual std::string ReadString(const std::string& section, const std::string& name,
                                 const std::string& def) = 0;
  // Stores text as a string value, creating the section when it is missing
  // and replacing a value of that name whatever its type.
  virtual void WriteString(const std::string& section, const std::string& name,
                           const std::string& text) = 0;

  // ReadString, converted by TextToInt32; def for a text that does not convert.
  int32_t ReadInteger(const std::string& section, const std::string& name, int32_t def);
  // WriteString with the decimal text of value.
  void WriteInteger(const std::string& section, const std::string& name, int32_t value);
};

// The text of a value's data once it has been found and read: the empty text
// for no data, else the bytes up to the first zero (all of them when there is
// none). Raises ValueTypeError(name) for data that is not a string.
std::string StoredValueText(const std::string& name, TValueKind kind, std::string_view data);

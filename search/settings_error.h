#pragma once
// The errors of the settings store. Each message is the Shift-JIS text the
// user sees; the name in it is spliced in, never used as a format.

#include <stdexcept>
#include <string>

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

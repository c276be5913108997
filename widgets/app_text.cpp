#include "widgets/app_text.h"

#include "encoding/shift_jis.h"
#include "platform/program_directory.h"

std::string ApplicationTitle(const std::string& programPath) {
  std::string name = programPath.substr(ProgramDirectory(programPath).size());
  name = name.substr(0, name.find('.'));  // "." is never a Shift-JIS trail byte
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (IsShiftJisLead(c)) {
      ++i;
    } else if (i > 0 && c >= 'A' && c <= 'Z') {
      name[i] = static_cast<char>(c - 'A' + 'a');
    }
  }
  return name;
}

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

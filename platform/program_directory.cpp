#include "platform/program_directory.h"

#include "encoding/shift_jis.h"

std::string ProgramDirectory(const std::string& programPath) {
  std::size_t end = 0;
  for (std::size_t i = 0; i < programPath.size(); ++i) {
    const char c = programPath[i];
    if (IsShiftJisLead(static_cast<unsigned char>(c)) && i + 1 < programPath.size()) {
      ++i;
    } else if (c == '\\' || c == '/' || c == ':') {
      end = i + 1;
    }
  }
  return programPath.substr(0, end);
}

#include "widgets/accel.h"

#include "encoding/shift_jis.h"

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

char AccelChar(std::string_view caption) {
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const auto c = static_cast<unsigned char>(caption[i]);
    if (IsShiftJisLead(c)) {
      ++i;
    } else if (c == '&' && i + 1 < caption.size()) {
      const auto next = static_cast<unsigned char>(caption[i + 1]);
      if (next == '&') {
        ++i;
      } else if (!IsShiftJisLead(next)) {
        return static_cast<char>(next);
      } else {
        return 0;
      }
    }
  }
  return 0;
}

bool IsAccel(char ch, std::string_view caption) {
  const char marked = AccelChar(caption);
  return marked != 0 && Upper(marked) == Upper(ch);
}

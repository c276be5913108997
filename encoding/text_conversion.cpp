#include "encoding/text_conversion.h"

#include "encoding/cp932.h"
#include "encoding/shift_jis.h"
#include "encoding/utf8.h"

std::optional<std::string> ShiftJisToUtf8(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = p + text.size();
  std::string utf8;
  while (p < end) {
    const std::size_t length = ShiftJisCharLength(p, end);
    const char32_t c = length == 2 ? Cp932Character(p[0], p[1]) : Cp932Character(p[0]);
    if (c == kNoCharacter) return std::nullopt;
    AppendUtf8(utf8, c);
    p += length;
  }
  return utf8;
}

std::size_t AppendAsShiftJis(std::string_view utf8, std::string& out) {
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* end = p + utf8.size();
  std::size_t replaced = 0;
  while (p < end) {
    const TUtf8Char c = DecodeUtf8(p, end);
    p += c.Length;
    const TCp932Code code = c.Valid ? Cp932CodeOf(c.Code) : TCp932Code{{0, 0}, 0};
    if (code.Length == 0) {
      out += kGetaMark;
      ++replaced;
    } else {
      out.append(reinterpret_cast<const char*>(code.Bytes), code.Length);
    }
  }
  return replaced;
}

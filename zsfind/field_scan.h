#pragma once
// Reading one field of a Shift-JIS record from its front, a character at a
// time: the pieces that the year chart and the field headings look for
// (blanks, half- and full-width digits, fixed prefixes).

#include <cstddef>
#include <optional>
#include <string_view>

namespace fieldscan {

inline constexpr std::string_view kFullWidthSpace = "\x81\x40";

// Takes `prefix` off the front of text when text starts with it. Byte by
// byte: the prefixes are a few bytes, too short for a call to memcmp to pay.
inline bool Take(std::string_view& text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (text[i] != prefix[i]) return false;
  }
  text.remove_prefix(prefix.size());
  return true;
}

inline void SkipBlanks(std::string_view& text) {
  while (Take(text, " ") || Take(text, kFullWidthSpace)) {
  }
}

// A half-width or full-width (82 4F to 82 58) digit.
inline std::optional<int> TakeDigit(std::string_view& text) {
  if (text.empty()) return std::nullopt;
  const auto first = static_cast<unsigned char>(text[0]);
  if (first >= '0' && first <= '9') {
    text.remove_prefix(1);
    return first - '0';
  }
  if (text.size() < 2 || first != 0x82) return std::nullopt;
  const auto second = static_cast<unsigned char>(text[1]);
  if (second < 0x4F || second > 0x58) return std::nullopt;
  text.remove_prefix(2);
  return second - 0x4F;
}

// Takes the digits at the front; returns how many there were.
inline std::size_t TakeDigits(std::string_view& text) {
  std::size_t count = 0;
  while (TakeDigit(text)) ++count;
  return count;
}

}  // namespace fieldscan

#include "search/integer_text.h"

namespace {

constexpr uint32_t kInt32MinMagnitude = 0x80000000u;

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<uint32_t> HexDigitValue(char c) {
  if (IsDecimalDigit(c)) return static_cast<uint32_t>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<uint32_t>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<uint32_t>(c - 'A' + 10);
  return std::nullopt;
}

// Removes a hexadecimal prefix from the front of text; false when there is none.
bool StripHexPrefix(std::string_view& text) {
  for (std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
    if (text.starts_with(prefix)) {
      text.remove_prefix(prefix.size());
      return true;
    }
  }
  return false;
}

// The bit pattern of at most eight significant hex digits (leading zeros are free).
std::optional<uint32_t> ParseHexPattern(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  uint32_t pattern = 0;
  int significant = 0;
  for (char c : digits) {
    std::optional<uint32_t> value = HexDigitValue(c);
    if (!value) return std::nullopt;
    if (significant > 0 || *value != 0) ++significant;
    if (significant > 8) return std::nullopt;
    pattern = (pattern << 4) | *value;
  }
  return pattern;
}

// The magnitude of a decimal number, or nullopt once it exceeds limit.
std::optional<uint32_t> ParseDecimalMagnitude(std::string_view digits, uint32_t limit) {
  if (digits.empty()) return std::nullopt;
  uint64_t magnitude = 0;
  for (char c : digits) {
    if (!IsDecimalDigit(c)) return std::nullopt;
    magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<uint32_t>(magnitude);
}

}  // namespace

std::optional<int32_t> TextToInt32(std::string_view text) {
  while (text.starts_with(' ')) text.remove_prefix(1);
  bool negative = false;
  if (text.starts_with('+') || text.starts_with('-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Unsigned arithmetic: negating the pattern 0x80000000 wraps to itself.
  uint32_t bits = 0;
  if (StripHexPrefix(text)) {
    std::optional<uint32_t> pattern = ParseHexPattern(text);
    if (!pattern) return std::nullopt;
    bits = *pattern;
  } else {
    const uint32_t limit = negative ? kInt32MinMagnitude : kInt32MinMagnitude - 1;
    std::optional<uint32_t> magnitude = ParseDecimalMagnitude(text, limit);
    if (!magnitude) return std::nullopt;
    bits = *magnitude;
  }
  if (negative) bits = 0u - bits;
  return static_cast<int32_t>(bits);
}

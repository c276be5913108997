// Compares TextToInt32 with a model that works the other way round: it cuts
// the text into blanks, sign, prefix and digits first and converts at the end.

#include "search/integer_text.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::optional<int32_t> Model(std::string_view text) {
  const std::size_t firstNonBlank = text.find_first_not_of(' ');
  if (firstNonBlank == std::string_view::npos) return std::nullopt;
  text.remove_prefix(firstNonBlank);
  const bool negative = text.front() == '-';
  if (text.front() == '+' || text.front() == '-') text.remove_prefix(1);
  int base = 10;
  for (std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
    if (text.starts_with(prefix)) {
      text.remove_prefix(prefix.size());
      base = 16;
      break;
    }
  }
  const std::string_view allowed = base == 16 ? "0123456789abcdefABCDEF" : "0123456789";
  if (text.empty() || text.find_first_not_of(allowed) != std::string_view::npos) {
    return std::nullopt;
  }
  const std::size_t firstSignificant = text.find_first_not_of('0');
  const std::string_view digits =
      firstSignificant == std::string_view::npos ? "0" : text.substr(firstSignificant);
  if (digits.size() > (base == 16 ? 8u : 10u)) return std::nullopt;
  int64_t value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (base == 16) {
    const uint32_t pattern = static_cast<uint32_t>(value);
    return static_cast<int32_t>(negative ? 0u - pattern : pattern);
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<int32_t> got = TextToInt32(text);
  if (got != Model(text)) std::abort();
  // Whatever converts is written back the way the store writes integers.
  if (got && TextToInt32(std::to_string(*got)) != got) std::abort();
  return 0;
}

#pragma once
// The conversion that turns a stored text into a signed 32-bit number.

#include <cstdint>
#include <optional>
#include <string_view>

// Accepts leading blanks (0x20 only), at most one sign, then either decimal
// digits or a hexadecimal prefix ("$", "x", "X", "0x", "0X") and hex digits of
// either case, with nothing after them. Decimal numbers must fit in int32_t;
// hexadecimal ones may have up to eight significant digits and are read as a
// two's-complement bit pattern (then negated after a "-", wrapping). Any other
// text gives nullopt.
std::optional<int32_t> TextToInt32(std::string_view text);

#pragma once
// Whole texts between code page 932 and UTF-8.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The geta mark 〓, which stands for a character code page 932 lacks.
inline constexpr std::string_view kGetaMark = "\x81\xAC";

// The UTF-8 form of Shift-JIS text; none when a byte or pair in it is no
// character of the code page.
std::optional<std::string> ShiftJisToUtf8(std::string_view text);

// Appends the Shift-JIS form of UTF-8 text, with 〓 for each character the
// code page lacks and each byte that is no UTF-8; returns how many 〓 it wrote.
std::size_t AppendAsShiftJis(std::string_view utf8, std::string& out);

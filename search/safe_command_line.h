#pragma once
// The command line that starts a search script, made so that cmd.exe on
// Windows neither runs nor changes any part of the words and the database
// name; or the reason why no such line can be made. Pure: the ANSI code page
// comes in as its set of lead bytes.
//
// cmd reads the line as characters of the ANSI code page. It replaces %NAME%
// and (where delayed expansion is switched on) !NAME! by variables' values
// before it looks at quotes; then & | < > ( ) outside double quotes are its
// operators, and ^ escapes the character after it; a batch file's arguments
// are finally split at blanks, tabs, commas, semicolons and equals signs
// outside double quotes. So each field (word 1, word 2, database name) is
// refused when it holds % or !, a control character, a double quote other
// than one pair around the whole field, or a lead byte without its trail byte;
// else every operator and caret outside quotes gets a caret. A line longer
// than cmd takes is refused as well.

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>

// The lead bytes of an ANSI code page's double-byte characters; none for the
// single-byte code pages and for UTF-8.
using TLeadBytes = std::bitset<256>;

enum class TRefusal {
  None,
  Quote,             // a double quote other than one pair around a whole field
  Expansion,         // % or !, which cmd may replace by a variable's value
  ControlCharacter,  // CR, LF, NUL and every other control byte but the tab
  BrokenCharacter,   // a lead byte without a trail byte in its field
  TooLong,           // more than cmd takes
};

// The most characters cmd takes on a command line. For a script, Windows
// hands cmd the line as: cmd.exe /c "LINE".
inline constexpr std::size_t kCmdLineLimit = 8191;
inline constexpr std::string_view kCmdLinePrefix = "cmd.exe /c \"";
inline constexpr std::string_view kCmdLineSuffix = "\"";

struct TSafeCommandLine {
  std::string Line;  // empty when refused
  TRefusal Refusal = TRefusal::None;
};

// BuildCommandLine's line for these fields, with carets where cmd needs them.
TSafeCommandLine SafeCommandLine(std::string_view script, std::string_view word1,
                                 std::string_view word2, std::string_view database,
                                 const TLeadBytes& leadBytes);

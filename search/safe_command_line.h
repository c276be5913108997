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
// else every operator and caret outside quotes gets a caret. A field that is
// not text in the code page is refused too, and so is a line longer than cmd
// takes.

#include <bitset>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The lead bytes of an ANSI code page's double-byte characters; none for the
// single-byte code pages and for UTF-8.
using TLeadBytes = std::bitset<256>;

// The ANSI code page as the rule reads it. Windows takes a byte or a pair the
// page does not define (85 7C under 932; under 949 a lead byte before | or ^)
// as its default character on the way to cmd, and a refused trail byte then
// stands on its own: where the escaper saw one character, cmd may see a |.
struct TAnsiCodePage {
  TLeadBytes LeadBytes;
  // Whether every byte and pair of the text is one the page defines.
  std::function<bool(std::string_view)> IsText;
};

enum class TRefusal {
  None,
  Quote,             // a double quote other than one pair around a whole field
  Expansion,         // % or !, which cmd may replace by a variable's value
  ControlCharacter,  // CR, LF, NUL and every other control byte but the tab
  BrokenCharacter,   // a lead byte without a trail byte, or bytes the code page does not define
  TooLong,           // more than cmd takes
};

// The most characters cmd takes on a command line. For a script, Windows
// hands cmd the line as "C:\Windows\system32\cmd.exe" /c "LINE": what stands
// before LINE (the platform's prefix) and the closing quote count too.
inline constexpr std::size_t kCmdLineLimit = 8191;
inline constexpr std::string_view kCmdLineSuffix = "\"";

struct TSafeCommandLine {
  std::string Line;  // empty when refused
  TRefusal Refusal = TRefusal::None;
};

// script, word1, word2 and database joined by single blanks, nothing quoted.
std::string BuildCommandLine(std::string_view script, std::string_view word1,
                             std::string_view word2, std::string_view database);

// BuildCommandLine's line for these fields, with carets where cmd needs them;
// `cmdPrefix` is what Windows puts before it.
TSafeCommandLine SafeCommandLine(std::string_view script, std::string_view word1,
                                 std::string_view word2, std::string_view database,
                                 const TAnsiCodePage& codePage, std::string_view cmdPrefix);

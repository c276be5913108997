#pragma once
// A model of how cmd.exe on Windows reads the command line of a search script
// and then the script's own lines, after the published analysis of its parser
// (percent expansion, then quotes, carets and operators, then the arguments of
// a batch file). The oracle of the launcher's table tests and fuzz target.
// Where it differs from Windows is listed in README.md; what it does not know
// it reports as Unmodelled rather than guess.

#include "search/safe_command_line.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cmdmodel {

// A variable's value as cmd finds it, or none when it is not defined.
using TLookup = std::function<std::optional<std::string>(std::string_view name)>;

// Every name but the empty one is defined, with a value that would open the
// line: whatever cmd could expand shows.
std::optional<std::string> EveryNameDefined(std::string_view name);

struct TParsedLine {
  std::string Text;                    // expanded, carets gone, quotes kept
  std::vector<std::string> Operators;  // & | < > ( ) that cmd would act on
  int Expansions = 0;                  // variables replaced
  bool Unmodelled = false;             // CR, LF, NUL, Ctrl-Z, !, a last caret, an unknown % form
};

// What a search script started with `commandLine` (through cmd /c) receives:
// the line as cmd read it, and %0 %1 %2 ... (quotes kept, as %N gives them).
struct TLaunch {
  TParsedLine Parsed;
  std::vector<std::string> Arguments;
};
TLaunch LaunchThroughCmd(std::string_view commandLine, const TAnsiCodePage& codePage,
                         const TLookup& environment);

// %~N of an argument: one double quote taken off each end.
std::string WithoutQuotes(std::string_view argument);

// The pieces a field of the command line arrives as: itself without its quotes
// when one pair of quotes encloses it, else split at blanks, tabs, commas,
// semicolons and equals signs, empty pieces dropped.
std::vector<std::string> ExpectedPieces(std::string_view field);

// A batch script run line by line with the arguments (%0 first) and the
// environment; knows the lines the shipped scripts use: @echo off, rem,
// setlocal, set, if [not] defined NAME / errorlevel N goto LABEL, goto,
// :label and programs, each of which ends with exit code 0.
struct TScriptRun {
  std::vector<std::string> Commands;  // the programs started, as cmd read their lines
  std::vector<std::string> Operators;
  bool Unmodelled = false;
};
TScriptRun RunScript(std::string_view script, const std::vector<std::string>& arguments,
                     const std::map<std::string, std::string>& environment,
                     std::string_view scriptFolder, const TAnsiCodePage& codePage);

// Code page 932 (rows 85, 86, EB, EC and EF and trail bytes below 40, 7F and
// above FC undefined); a single-byte page that leaves 81, 8D, 8F, 90 and 9D
// undefined, as 1252 does; a double-byte page with lead bytes 81-FE whose
// trail bytes are letters and 81-FE, as 949's: | and ^ are none.
TAnsiCodePage CodePage932();
TAnsiCodePage SingleBytePage();
TAnsiCodePage WideDoubleBytePage();

// The script's folder in the model's runs (%~dp0), and the drive of HOMEDRIVE.
inline constexpr std::string_view kScriptFolder = "C:\\zunoseek\\";

}  // namespace cmdmodel

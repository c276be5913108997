#pragma once
// The tool's command line: options, then WORD1 WORD2 DATABASE; or, from the
// shipped scripts, options and --env-args (see WithLauncherValues).

#include "product/script_variables.h"
#include "zsfind/char_fold.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TOptions {
  TCompare Compare = TCompare::Folded;
  bool BadMode = false;  // --mode with a value other than fold, fold-kana or exact
  bool Append = false;
  bool Help = false;
  bool ListVariants = false;
  // The operands come from a search script as "%~1" "%~2" "%~3" "%~4".
  bool ScriptArgs = false;
  std::optional<std::string> TextOut;
  std::optional<std::string> HtmlOut;
  std::vector<std::string> Operands;
  std::string Error;  // an unknown option or a missing value; empty if none
};

TOptions ParseOptions(const std::vector<std::string>& args);

// The four values after "--script-args" in the raw command line that cmd
// built from the script's "%~1" "%~2" "%~3" "%~4": each wrapped in double
// quotes, separated by blanks. A double quote inside a value (which cmd cannot
// pass safely) breaks that shape, and the result is empty.
std::optional<std::vector<std::string>> ParseScriptArgs(std::string_view rawCommandLine);

extern const std::string_view kUsage;

// zunoseek puts the words and the database name of a search, exactly as
// typed, into the environment of the search script it starts. The shipped
// scripts then run the tool with --env-args as its last argument, and the tool
// takes the three values from there: no command line carries them through cmd.

inline constexpr std::string_view kEnvArgs = "--env-args";

// A variable's value, or null when it is not set (std::getenv).
using TVariableLookup = std::function<const char*(const char* name)>;

// args with a last "--env-args" replaced by "--" and the three values, each
// without one pair of double quotes around the whole of it (which is what a
// script's "%~1" takes off); otherwise args unchanged.
std::vector<std::string> WithLauncherValues(std::vector<std::string> args,
                                            const TVariableLookup& lookup);

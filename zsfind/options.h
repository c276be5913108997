#pragma once
// The tool's command line: options, then WORD1 WORD2 DATABASE.

#include "zsfind/char_fold.h"

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

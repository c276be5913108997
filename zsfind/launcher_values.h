#pragma once
// zunoseek puts the words and the database name of a search, exactly as
// typed, into the environment of the search script it starts. The shipped
// scripts then run the tool with --env-args as its last argument, and the tool
// takes the three values from there: no command line carries them through cmd.

#include "product/script_variables.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kEnvArgs = "--env-args";

// A variable's value, or null when it is not set (std::getenv).
using TVariableLookup = std::function<const char*(const char* name)>;

// args with a last "--env-args" replaced by "--" and the three values, each
// without one pair of double quotes around the whole of it (which is what a
// script's "%~1" takes off); otherwise args unchanged.
std::vector<std::string> WithLauncherValues(std::vector<std::string> args,
                                            const TVariableLookup& lookup);

#pragma once
// The strings a search is made of: the script's command line and the path of
// the result file. Pure functions; no platform calls.

#include "search/search_request.h"

#include <string>
#include <string_view>

inline constexpr std::string_view kOverwriteScript = "zsearch.bat";
inline constexpr std::string_view kAppendScript = "zsearcha.bat";
inline constexpr std::string_view kDriveVariable = "HOMEDRIVE";

std::string_view ScriptName(TWriteMode mode);

// script, word1, word2 and database joined by single blanks, nothing quoted.
std::string BuildCommandLine(std::string_view script, std::string_view word1,
                             std::string_view word2, std::string_view database);

// The drive value followed at once by "\temp\out.txt" or "\temp\out.htm".
std::string ResultFilePath(std::string_view drive, TSearchMode mode);

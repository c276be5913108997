#pragma once
// Runs one search: checks the words, starts the search script, waits for it
// while the window stays live, then has the shell open the result file.

#include "search/safe_command_line.h"
#include "search/search_platform.h"
#include "search/search_request.h"

#include <string_view>

inline constexpr std::string_view kNoWordMessage = "検索語を指定してください．";

// The scripts that a search runs, looked for in the working folder, and the
// variable that names the drive of the result files.
inline constexpr std::string_view kOverwriteScript = "zsearch.bat";
inline constexpr std::string_view kAppendScript = "zsearcha.bat";
inline constexpr std::string_view kDriveVariable = "HOMEDRIVE";

std::string_view ScriptName(TWriteMode mode);

// The drive value followed at once by "\temp\out.txt" or "\temp\out.htm".
std::string ResultFilePath(std::string_view drive, TSearchMode mode);

// What the user is told when a search is refused before anything starts.
std::string_view RefusalMessage(TRefusal refusal);

// The owner window of the shell call and of the message box is the one the
// platform was made for. Returns after the child has ended and the result file
// (if any) has been opened; raises nothing.
void LaunchSearch(const TSearchRequest& request, TSearchPlatform& platform);

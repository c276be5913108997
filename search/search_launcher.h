#pragma once
// Runs one search: checks the words, starts the search script, waits for it
// while the window stays live, then has the shell open the result file.

#include "search/safe_command_line.h"
#include "search/search_platform.h"
#include "search/search_request.h"

#include <string_view>

inline constexpr std::string_view kNoWordMessage = "検索語を指定してください．";

// What the user is told when a search is refused before anything starts.
std::string_view RefusalMessage(TRefusal refusal);

// The owner window of the shell call and of the message box is the one the
// platform was made for. Returns after the child has ended and the result file
// (if any) has been opened; raises nothing.
void LaunchSearch(const TSearchRequest& request, TSearchPlatform& platform);

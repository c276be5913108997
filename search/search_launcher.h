#pragma once
// Runs one search: checks the words, starts the search script, waits for it
// while the window stays live, then has the shell open the result file.

#include "search/search_platform.h"
#include "search/search_request.h"

#include <string_view>

inline constexpr std::string_view kNoWordMessage = "検索語を指定してください．";

// The owner window of the shell call and of the message box is the one the
// platform was made for. Returns after the child has ended and the result file
// (if any) has been opened; raises nothing.
void LaunchSearch(const TSearchRequest& request, TSearchPlatform& platform);

#pragma once
// Turns the parsed command line into one query, or into the problem that keeps
// it from running (stated in the result files).

#include "zsfind/options.h"
#include "zsfind/query.h"

#include <optional>
#include <string>
#include <string_view>

// Exit codes. The help and the variant list, written as asked, end with
// kExitShown: 0, as callers expect of --help, though no search found anything.
inline constexpr int kExitShown = 0;
// A search ends with one of these.
inline constexpr int kExitFound = 0;
inline constexpr int kExitNotFound = 1;
inline constexpr int kExitBadRequest = 2;
inline constexpr int kExitDatabaseProblem = 3;
inline constexpr int kExitCannotWrite = 4;
inline constexpr int kExitIncomplete = 5;  // out of memory

struct TFindRequest {
  TQuery Query;
  std::string_view Problem;  // empty when the search can run
};

// rawCommandLine: the process's own command line where the system keeps one
// (Windows); script arguments are then read from it rather than from argv.
TFindRequest BuildFindRequest(const TOptions& options,
                              const std::optional<std::string>& rawCommandLine);

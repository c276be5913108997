#pragma once
// The environment variables in which zunoseek hands its search script the
// first word, the second word and the database name, exactly as typed; the
// shipped scripts see them and zsfind --env-args reads them. One list, so that
// the program and the tool cannot disagree on a name.

inline constexpr const char* kWord1Variable = "ZUNOSEEK_WORD1";
inline constexpr const char* kWord2Variable = "ZUNOSEEK_WORD2";
inline constexpr const char* kDatabaseVariable = "ZUNOSEEK_DATABASE";

// In the order of the values on the script's command line.
inline constexpr const char* kScriptVariables[] = {kWord1Variable, kWord2Variable,
                                                   kDatabaseVariable};

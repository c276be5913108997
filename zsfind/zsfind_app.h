#pragma once
// The whole run of the tool, from its arguments to its exit code, with the
// environment handed in so that tests can drive it.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct TAppEnvironment {
  std::optional<std::string> RawCommandLine;  // see BuildFindRequest
  std::string HomeDrive;                      // the value of HOMEDRIVE
  char Separator = '\\';                      // of the default result paths
};

int RunZsfind(const std::vector<std::string>& args, const TAppEnvironment& environment,
              std::ostream& out, std::ostream& err);

#include "zsfind/launcher_values.h"

namespace {

std::string WithoutEnclosingQuotes(std::string value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::vector<std::string> WithLauncherValues(std::vector<std::string> args,
                                            const TVariableLookup& lookup) {
  if (args.empty() || args.back() != kEnvArgs) return args;
  args.back() = "--";
  for (const char* name : kScriptVariables) {
    const char* value = lookup(name);
    args.push_back(WithoutEnclosingQuotes(value != nullptr ? value : ""));
  }
  return args;
}

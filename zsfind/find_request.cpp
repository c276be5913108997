#include "zsfind/find_request.h"

#include "zsfind/messages.h"

#include <vector>

namespace {

// The database path as the file dialog puts it, in double quotes.
std::string Unquoted(std::string path) {
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
    path = path.substr(1, path.size() - 2);
  }
  return path;
}

// WORD1 WORD2 DATABASE and, from a script, the fourth value that must stay
// empty; or the problem that keeps them from being read.
std::string_view TakeOperands(const TOptions& options,
                              const std::optional<std::string>& rawCommandLine,
                              std::vector<std::string>& values) {
  if (!options.ScriptArgs) {
    values = options.Operands;
    return values.size() == 3 ? std::string_view() : zsmsg::kBadOptions;
  }
  if (rawCommandLine) {
    auto parsed = ParseScriptArgs(*rawCommandLine);
    if (!parsed || parsed->size() != 4) return zsmsg::kQuoteInArguments;
    values = std::move(*parsed);
  } else {
    values = options.Operands;
    if (values.size() != 4) return zsmsg::kBadOptions;
  }
  return values[3].empty() ? std::string_view() : zsmsg::kTooManyArguments;
}

std::string_view CheckQuery(TQuery& query) {
  if (query.Word1.empty()) std::swap(query.Word1, query.Word2);
  if (query.Word1.empty()) return zsmsg::kNoWord;
  if (!IsUsableWord(query.Word1) || (!query.Word2.empty() && !IsUsableWord(query.Word2))) {
    return zsmsg::kBadWord;
  }
  if (!query.Word2.empty() &&
      TWordPattern(query.Word1, query.Compare).SameAs(TWordPattern(query.Word2, query.Compare))) {
    query.Word2.clear();
  }
  return query.Database.empty() ? zsmsg::kNoDatabase : std::string_view();
}

}  // namespace

TFindRequest BuildFindRequest(const TOptions& options,
                              const std::optional<std::string>& rawCommandLine) {
  TFindRequest request;
  request.Query.Compare = options.Compare;
  if (!options.Error.empty()) {
    request.Problem = zsmsg::kBadOptions;
    return request;
  }
  std::vector<std::string> values;
  request.Problem = TakeOperands(options, rawCommandLine, values);
  if (values.size() >= 3) {
    request.Query.Word1 = values[0];
    request.Query.Word2 = values[1];
    request.Query.Database = Unquoted(values[2]);
  }
  if (!request.Problem.empty()) return request;
  if (options.BadMode) {
    request.Problem = zsmsg::kBadMode;
    return request;
  }
  request.Problem = CheckQuery(request.Query);
  return request;
}

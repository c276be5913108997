#include "zsfind/zsfind_app.h"

#include "zsfind/database_scan.h"
#include "zsfind/find_request.h"
#include "zsfind/html_report.h"
#include "zsfind/messages.h"
#include "zsfind/text_report.h"

namespace {

std::string DefaultResult(const TAppEnvironment& environment, std::string_view name) {
  std::string path = environment.HomeDrive;
  path.append(1, environment.Separator).append("temp");
  path.append(1, environment.Separator).append(name);
  return path;
}

struct TOutcome {
  int ExitCode = kExitFound;
  std::optional<std::uint64_t> Count;
  std::string Problem;
};

TOutcome Search(const TQuery& query, TTextReport& text, THtmlReport& html) {
  TReadFile database;
  if (!database.Open(query.Database)) {
    return {kExitDatabaseProblem, std::nullopt, std::string(zsmsg::kDatabaseMissing)};
  }
  std::vector<TWordPattern> words{TWordPattern(query.Word1, query.Compare)};
  if (!query.Word2.empty()) words.emplace_back(query.Word2, query.Compare);
  TRecordMatcher matcher(std::move(words));
  const TScanOutcome scan = ScanDatabase(database, matcher, [&](std::string_view record) {
    text.Record(record, {});
    html.Record(record, matcher.Highlights(record));
  });
  TOutcome outcome{scan.Matches ? kExitFound : kExitNotFound, scan.Matches, {}};
  if (scan.ReadFailed) {
    outcome = {kExitDatabaseProblem, scan.Matches, std::string(zsmsg::kReadFailed)};
  } else if (scan.LongRecords) {
    outcome = {kExitDatabaseProblem, scan.Matches,
               std::to_string(scan.LongRecords).append(zsmsg::kLongRecords)};
  }
  return outcome;
}

}  // namespace

int RunZsfind(const std::vector<std::string>& args, const TAppEnvironment& environment,
              std::ostream& out, std::ostream& err) {
  const TOptions options = ParseOptions(args);
  if (options.Help) {
    out << kUsage;
    return kExitFound;
  }
  // Run by hand with nothing to do: no result files, only the usage.
  if (args.empty()) {
    err << kUsage;
    return kExitBadRequest;
  }
  const TFindRequest request = BuildFindRequest(options, environment.RawCommandLine);
  TTextReport text(options.TextOut.value_or(DefaultResult(environment, "out.txt")), options.Append);
  THtmlReport html(options.HtmlOut.value_or(DefaultResult(environment, "out.htm")), options.Append);
  // Both are begun either way; one that cannot be written does not keep the
  // other from being filled.
  const bool textStarted = text.Begin(request.Query);
  const bool htmlStarted = html.Begin(request.Query);

  TOutcome outcome;
  if (!request.Problem.empty()) {
    outcome = {kExitBadRequest, std::nullopt, std::string(request.Problem)};
    if (!options.Error.empty()) err << "zsfind: " << options.Error << "\n";
  } else if (textStarted || htmlStarted) {
    outcome = Search(request.Query, text, html);
  }
  if (!outcome.Problem.empty()) {
    text.Problem(outcome.Problem);
    html.Problem(outcome.Problem);
    err << "zsfind: " << outcome.Problem << "\n";
  }
  const bool written = text.End(outcome.Count) & html.End(outcome.Count);
  if (!written) {
    err << "zsfind: cannot write " << text.Target() << " / " << html.Target() << "\n";
    return kExitCannotWrite;
  }
  return outcome.ExitCode;
}

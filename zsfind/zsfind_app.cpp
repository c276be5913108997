#include "zsfind/zsfind_app.h"

#include "zsfind/database_scan.h"
#include "zsfind/find_request.h"
#include "zsfind/html_report.h"
#include "zsfind/messages.h"
#include "zsfind/text_report.h"

#include <new>

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
  std::vector<std::string> Problems;
};

TOutcome Search(const TQuery& query, const std::vector<TReport*>& reports) {
  TReadFile database;
  if (!database.Open(query.Database)) {
    const std::string_view problem =
        database.RefusedDevice() ? zsmsg::kNotAFile : zsmsg::kDatabaseMissing;
    return {kExitDatabaseProblem, std::nullopt, {std::string(problem)}};
  }
  std::vector<TWordPattern> words{TWordPattern(query.Word1, query.Compare)};
  if (!query.Word2.empty()) words.emplace_back(query.Word2, query.Compare);
  TRecordMatcher matcher(std::move(words));
  THitMask hits;
  std::uint64_t written = 0;  // survives an allocation failure in the scan
  try {
    const TScanOutcome scan = ScanDatabase(database, matcher, [&](std::string_view record) {
      matcher.MarkHits(record, hits);
      for (TReport* report : reports) report->Record(record, hits);
      ++written;
    });
    if (scan.ReadFailed) return {kExitDatabaseProblem, written, {std::string(zsmsg::kReadFailed)}};
    if (scan.LongRecords) {
      return {kExitDatabaseProblem,
              written,
              {std::to_string(scan.LongRecords).append(zsmsg::kLongRecords)}};
    }
  } catch (const std::bad_alloc&) {
    return {kExitIncomplete, written, {std::string(zsmsg::kOutOfMemory)}};
  }
  return {written ? kExitFound : kExitNotFound, written, {}};
}

int Run(const std::vector<std::string>& args, const TAppEnvironment& environment, std::ostream& out,
        std::ostream& err) {
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
  // Searches started at once (the front end allows a search during another)
  // write their results one after the other.
  const TResultLocks locks({text.Target(), html.Target()});
  // Both are begun either way; one that cannot be written does not keep the
  // other from being filled, and the other says so.
  std::vector<TReport*> reports;
  std::vector<std::string> unwritable;
  for (TReport* report : {static_cast<TReport*>(&text), static_cast<TReport*>(&html)}) {
    if (report->Begin(request.Query)) {
      reports.push_back(report);
    } else {
      unwritable.push_back(report->Target());
    }
  }

  TOutcome outcome;
  if (!request.Problem.empty()) {
    outcome = {kExitBadRequest, std::nullopt, {std::string(request.Problem)}};
    if (!options.Error.empty()) err << "zsfind: " << options.Error << "\n";
  } else if (!reports.empty()) {
    outcome = Search(request.Query, reports);
  }
  for (const std::string& target : unwritable) {
    outcome.Problems.push_back(std::string(zsmsg::kCannotWrite).append(target));
  }
  for (const std::string& problem : outcome.Problems) {
    for (TReport* report : reports) report->Problem(problem);
    err << "zsfind: " << problem << "\n";
  }
  bool written = unwritable.empty();
  for (TReport* report : reports) written = report->End(outcome.Count) && written;
  if (!written) {
    err << "zsfind: cannot write " << text.Target() << " / " << html.Target() << "\n";
    return kExitCannotWrite;
  }
  return outcome.ExitCode;
}

}  // namespace

int RunZsfind(const std::vector<std::string>& args, const TAppEnvironment& environment,
              std::ostream& out, std::ostream& err) {
  // Memory that runs out during the search is reported in the results
  // (Search); anywhere else it ends the run here, with the results left as
  // they were made so far: the unfinished section, once it stands.
  try {
    return Run(args, environment, out, err);
  } catch (const std::bad_alloc&) {
    err << "zsfind: " << zsmsg::kOutOfMemory << "\n";
    return kExitIncomplete;
  }
}

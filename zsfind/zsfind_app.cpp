#include "zsfind/zsfind_app.h"

#include "encoding/text_conversion.h"
#include "zsfind/database_scan.h"
#include "zsfind/find_request.h"
#include "zsfind/html_report.h"
#include "zsfind/messages.h"
#include "zsfind/text_report.h"
#include "zsfind/variant_list.h"

#include <new>

namespace {

const TScanLimits kLimits;

std::string DefaultResult(const TAppEnvironment& environment, std::string_view name) {
  std::string path = environment.HomeDrive;
  path.append(1, environment.Separator).append("temp");
  path.append(1, environment.Separator).append(name);
  return path;
}

struct TOutcome {
  int ExitCode = kExitFound;
  TSearchSummary Summary;
  std::vector<std::string> Problems;
  std::vector<std::string> Notes;
};

TOutcome Failed(int exitCode, std::string_view problem) {
  return {exitCode, {}, {std::string(problem)}, {}};
}

// The words in the text's coding; none when a word is no Shift-JIS text.
std::optional<std::vector<TWordPattern>> Patterns(const TQuery& query, TCharCoding coding) {
  std::vector<TWordPattern> patterns;
  for (const std::string* word : {&query.Word1, &query.Word2}) {
    if (word->empty()) continue;
    std::optional<std::string> bytes = *word;
    if (coding == TCharCoding::Utf8) bytes = ShiftJisToUtf8(*word);
    if (!bytes) return std::nullopt;
    patterns.emplace_back(*bytes, query.Compare, coding);
  }
  return patterns;
}

TOutcome Search(const TQuery& query, const std::vector<TReport*>& reports) {
  TReadFile database;
  if (!database.Open(query.Database)) {
    return Failed(kExitDatabaseProblem,
                  database.WasDeviceRefused() ? zsmsg::kNotAFile : zsmsg::kDatabaseMissing);
  }
  const std::optional<TDetectedEncoding> detected = DetectEncoding(database);
  if (!detected) return Failed(kExitDatabaseProblem, zsmsg::kReadFailed);
  const TCharCoding coding = CodingOf(detected->Encoding);
  std::optional<std::vector<TWordPattern>> patterns = Patterns(query, coding);
  if (!patterns) return Failed(kExitBadRequest, zsmsg::kWordNotInCodePage);
  TOutcome outcome;
  TSearchSummary& summary = outcome.Summary;
  summary.Encoding = detected->Encoding;
  summary.Count = 0;  // survives an allocation failure in the scan
  TRecordMatcher matcher(std::move(*patterns));
  TDatabaseInput input(database, *detected, kLimits);
  THitMask hits;
  std::string shiftJis;
  try {
    const TScanOutcome scan = ScanDatabase(
        input.Chunks(), matcher,
        [&](std::string_view record) {
          matcher.MarkHits(record, hits);
          if (coding == TCharCoding::Utf8) {
            shiftJis.clear();
            summary.Replaced += AppendAsShiftJis(record, shiftJis);
          }
          const TFoundRecord found{record, coding, hits,
                                   coding == TCharCoding::Utf8 ? shiftJis : record};
          for (TReport* report : reports) report->Record(found);
          ++*summary.Count;
        },
        kLimits.BlockSize);
    if (scan.InvalidBytes + input.InvalidUnits() > 0) {
      outcome.Notes.emplace_back(zsmsg::kMalformed);
    }
    if (scan.ReadFailed) {
      outcome.ExitCode = kExitDatabaseProblem;
      outcome.Problems.emplace_back(zsmsg::kReadFailed);
    } else if (scan.LongRecords) {
      outcome.ExitCode = kExitDatabaseProblem;
      outcome.Problems.push_back(std::to_string(scan.LongRecords).append(zsmsg::kLongRecords));
    }
  } catch (const std::bad_alloc&) {
    outcome.ExitCode = kExitIncomplete;
    outcome.Problems.emplace_back(zsmsg::kOutOfMemory);
  }
  if (outcome.Problems.empty()) outcome.ExitCode = *summary.Count ? kExitFound : kExitNotFound;
  return outcome;
}

int Run(const std::vector<std::string>& args, const TAppEnvironment& environment, std::ostream& out,
        std::ostream& err) {
  const TOptions options = ParseOptions(args);
  if (options.Help) {
    out << kUsage;
    return kExitShown;
  }
  if (options.ListVariants) {
    out << VariantList();
    return kExitShown;
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
    outcome = Failed(kExitBadRequest, request.Problem);
    if (!options.Error.empty()) err << "zsfind: " << options.Error << "\n";
  } else if (!reports.empty()) {
    outcome = Search(request.Query, reports);
  }
  for (const std::string& target : unwritable) {
    outcome.Problems.push_back(std::string(zsmsg::kCannotWrite).append(target));
  }
  for (const std::string& note : outcome.Notes) {
    for (TReport* report : reports) report->Note(note);
  }
  for (const std::string& problem : outcome.Problems) {
    for (TReport* report : reports) report->Problem(problem);
    err << "zsfind: " << problem << "\n";
  }
  bool written = unwritable.empty();
  for (TReport* report : reports) written = report->End(outcome.Summary) && written;
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

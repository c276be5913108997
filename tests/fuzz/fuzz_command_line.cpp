// Arbitrary words and database names, under code page 932, a single-byte code
// page and a wider double-byte one (each with bytes it does not define), and
// behind a command interpreter's path of any length: every request is either
// refused or, read by the model of cmd with every variable name defined,
// reaches the script as the typed fields' pieces with nothing expanded and no
// operator acting, within cmd's length; and neither shipped script, started
// by zunoseek or by hand with those arguments, runs a line in which typed
// text stands or an operator of its own acts.

#include "search/safe_command_line.h"
#include "tests/search/cmd_model.h"
#include "zsfind/options.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

struct TScript {
  std::string Text;
  cmdmodel::TScriptRun Run;  // what it runs when zunoseek starts it with plain fields
};

std::vector<TScript> gScripts;

TAnsiCodePage SomeCodePage(FuzzedDataProvider& input) {
  switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0:
      return cmdmodel::CodePage932();
    case 1:
      return cmdmodel::SingleBytePage();
    default:
      return cmdmodel::WideDoubleBytePage();
  }
}

// Mostly bytes cmd or the code pages treat specially, now and then any byte;
// now and then the whole field in double quotes.
std::string SomeField(FuzzedDataProvider& input) {
  // The array's size counts its final NUL, which is one of the bytes.
  static constexpr char kList[] =
      "aZ0 \t,;=\"%!^&|<>()\\:@\r\n\x1A\x0B\x81\x83\x85\x95\x9F\xE0\xFC\x40\x5C\x7C\x5E\xA0\xFF";
  static constexpr std::string_view kBytes{kList, sizeof kList};
  std::string field;
  const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, 12);
  for (std::size_t i = 0; i < length; ++i) {
    field.push_back(input.ConsumeBool()
                        ? kBytes[input.ConsumeIntegralInRange<std::size_t>(0, kBytes.size() - 1)]
                        : input.ConsumeIntegral<char>());
  }
  if (input.ConsumeIntegralInRange(0, 3) == 0) field = "\"" + field + "\"";
  return field;
}

std::string ReadScript(const char* name) {
  std::ifstream in(std::string(ZS_DIST_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::map<std::string, std::string> LauncherEnvironment(const std::string& w1, const std::string& w2,
                                                       const std::string& db) {
  return {{"HOMEDRIVE", "C:"},
          {"ZUNOSEEK_WORD1", w1},
          {"ZUNOSEEK_WORD2", w2},
          {"ZUNOSEEK_DATABASE", db}};
}

// The arguments zsfind.exe gets from the command, without the program.
std::vector<std::string> ProgramArguments(const std::string& command) {
  std::vector<std::string> argv;
  std::size_t at = 0;
  while ((at = command.find_first_not_of(' ', at)) != std::string::npos) {
    const std::size_t end = std::min(command.find(' ', at), command.size());
    argv.push_back(cmdmodel::WithoutQuotes(command.substr(at, end - at)));
    at = end;
  }
  return {argv.begin() + 1, argv.end()};
}

void CheckScripts(const std::vector<std::string>& args, const std::string& w1,
                  const std::string& w2, const std::string& db, const TAnsiCodePage& lead) {
  const auto environment = LauncherEnvironment(w1, w2, db);
  for (const TScript& script : gScripts) {
    const cmdmodel::TScriptRun started =
        cmdmodel::RunScript(script.Text, args, environment, cmdmodel::kScriptFolder, lead);
    Check(started.Operators == script.Run.Operators && !started.Unmodelled);
    Check(started.Commands == script.Run.Commands);
    const TOptions options = ParseOptions(
        WithLauncherValues(ProgramArguments(script.Run.Commands.back()),
                           [&](const char* name) { return environment.at(name).c_str(); }));
    Check(options.Operands == std::vector<std::string>{cmdmodel::WithoutQuotes(w1),
                                                       cmdmodel::WithoutQuotes(w2),
                                                       cmdmodel::WithoutQuotes(db)});

    const cmdmodel::TScriptRun byHand = cmdmodel::RunScript(
        script.Text, args, {{"HOMEDRIVE", "C:"}}, cmdmodel::kScriptFolder, lead);
    Check(byHand.Operators == script.Run.Operators && !byHand.Unmodelled &&
          byHand.Commands.size() == script.Run.Commands.size());
    std::vector<std::string> expected;
    for (std::size_t i = 1; i <= 4; ++i) {
      expected.push_back(i < args.size() ? cmdmodel::WithoutQuotes(args[i]) : "");
    }
    Check(ParseScriptArgs(byHand.Commands.back()) == expected);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  for (const char* name : {"zsearch.bat", "zsearcha.bat"}) {
    const std::string text = ReadScript(name);
    gScripts.push_back(
        {text, cmdmodel::RunScript(text, {name, "a", "a", "d"}, LauncherEnvironment("a", "a", "d"),
                                   cmdmodel::kScriptFolder, cmdmodel::CodePage932())});
    Check(!gScripts.back().Run.Commands.empty() && !gScripts.back().Run.Unmodelled);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const TAnsiCodePage lead = SomeCodePage(input);
  // "C:\...\cmd.exe" /c ", with a system folder of any length.
  const std::string prefix =
      "\"" + std::string(input.ConsumeIntegralInRange<std::size_t>(2, 260), 'x') + "\" /c \"";
  std::string w1 = SomeField(input);
  if (input.ConsumeIntegralInRange(0, 15) == 0) {
    w1.insert(0, input.ConsumeIntegralInRange<std::size_t>(4000, 4100), 'w');
  }
  std::string w2 = SomeField(input);
  if (w2.empty()) w2 = w1;  // as the launcher passes a lone word
  const std::string db = SomeField(input);

  const TSafeCommandLine command = SafeCommandLine("zsearch.bat", w1, w2, db, lead, prefix);
  if (command.Refusal != TRefusal::None) return 0;
  Check(prefix.size() + command.Line.size() + kCmdLineSuffix.size() <= kCmdLineLimit);

  const cmdmodel::TLaunch launch =
      cmdmodel::LaunchThroughCmd(command.Line, lead, cmdmodel::EveryNameDefined);
  Check(launch.Parsed.Operators.empty() && launch.Parsed.Expansions == 0 &&
        !launch.Parsed.Unmodelled);
  std::vector<std::string> expected = {"zsearch.bat"};
  for (std::string_view field : {w1, w2, db}) {
    for (std::string& piece : cmdmodel::ExpectedPieces(field)) expected.push_back(piece);
  }
  std::vector<std::string> received;
  for (const std::string& argument : launch.Arguments) {
    received.push_back(cmdmodel::WithoutQuotes(argument));
  }
  Check(received == expected);
  if (!w1.empty()) CheckScripts(launch.Arguments, w1, w2, db, lead);
  return 0;
}

// The shipped scripts as files: 7-bit ASCII (cmd reads them in whatever code
// page the console has) with CR LF, every argument passed quoted, and the
// append script the same as the other but for its --append. Then run by the
// model of cmd, as zunoseek starts them and as a user would by hand.

#include "search/safe_command_line.h"
#include "tests/search/cmd_model.h"
#include "tests/zsfind/result_files.h"
#include "zsfind/options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace {

std::string ReadScript(const char* name) {
  return resultfiles::Read(std::string(ZS_DIST_DIR) + "/" + name);
}

TEST(DistScripts, FileFormat) {
  for (const char* name : {"zsearch.bat", "zsearcha.bat"}) {
    const std::string script = ReadScript(name);
    ASSERT_FALSE(script.empty()) << name;
    for (std::size_t i = 0; i < script.size(); ++i) {
      const auto c = static_cast<unsigned char>(script[i]);
      if (c == '\n') {
        EXPECT_TRUE(i > 0 && script[i - 1] == '\r') << name << " at " << i;
      }
      EXPECT_LT(c, 0x80) << name << " at " << i;
    }
    // Arguments only ever appear as "%~N", never bare or in a comment.
    const std::regex bare(R"((^|[^"])%~?[1-9]|%~[1-9]([^"]|$))");
    EXPECT_FALSE(std::regex_search(script, bare)) << name;
    EXPECT_NE(script.find(R"("%~1" "%~2" "%~3" "%~4")"), std::string::npos) << name;
    EXPECT_EQ(script.find("call "), std::string::npos) << name;
  }
}

TEST(DistScripts, AppendScriptDiffersOnlyInItsFlag) {
  const std::string overwrite = ReadScript("zsearch.bat");
  std::string append = ReadScript("zsearcha.bat");
  const auto at = static_cast<std::size_t>(
      std::mismatch(overwrite.begin(), overwrite.end(), append.begin(), append.end()).first -
      overwrite.begin());
  EXPECT_EQ(append.substr(at, 8), "--append");
  EXPECT_EQ(append.erase(at, 8), overwrite);
}

// Started by zunoseek, no line the scripts run holds typed text, and zsfind
// takes the words and the database name from its environment as typed.
// Started by hand with the same arguments, the arguments reach zsfind's
// --script-args whole. No operator acts in either run.
TEST(DistScripts, NoTypedTextBecomesACommand) {
  const TAnsiCodePage sjis = cmdmodel::CodePage932();
  // The script's own redirections of its check that zsfind.exe starts.
  const std::vector<std::string> own = {">", ">"};
  struct TCase {
    std::string w1, w2, db;
  };
  const TCase cases[] = {
      {"alpha", "beta", "data.txt"},
      // Operators, and a quoted path from the file dialog holding them.
      {"A&B", "<Co>", "\"C:\\db dir\\x&y(1).txt\""},
      {"^|", "(x)", "番号順.txt"},
      // Trail bytes 0x5C.
      {"表", "ソ連", "\"C:\\文献\\表題.txt\""},
      // A quoted word, a split one, no database.
      {"\"foo bar\"", "a,b c", ""},
  };
  const auto words = [](const std::string& line) {
    std::vector<std::string> argv;
    std::istringstream in(line);
    for (std::string word; in >> word;) argv.push_back(cmdmodel::WithoutQuotes(word));
    return std::vector<std::string>(argv.begin() + 1, argv.end());
  };
  for (const char* name : {"zsearch.bat", "zsearcha.bat"}) {
    const std::string script = ReadScript(name);
    const std::string append = std::string(name) == "zsearcha.bat" ? "--append" : "";
    for (const TCase& c : cases) {
      const TSafeCommandLine line = SafeCommandLine(name, c.w1, c.w2, c.db, sjis, "\"cmd\" /c \"");
      ASSERT_EQ(line.Refusal, TRefusal::None) << c.w1;
      const std::vector<std::string> args =
          cmdmodel::LaunchThroughCmd(line.Line, sjis, cmdmodel::EveryNameDefined).Arguments;

      const std::map<std::string, std::string> environment = {{"HOMEDRIVE", "C:"},
                                                              {"ZUNOSEEK_WORD1", c.w1},
                                                              {"ZUNOSEEK_WORD2", c.w2},
                                                              {"ZUNOSEEK_DATABASE", c.db}};
      const cmdmodel::TScriptRun started =
          cmdmodel::RunScript(script, args, environment, cmdmodel::kScriptFolder, sjis);
      EXPECT_EQ(started.Operators, own) << name << " " << c.w1;
      EXPECT_FALSE(started.Unmodelled) << name;
      ASSERT_EQ(started.Commands.size(), 2u) << name;
      EXPECT_EQ(started.Commands[1], "\"C:\\zunoseek\\zsfind.exe\" --mode \"fold\" " + append +
                                         " --text-out \"C:\\temp\\out.txt\" --html-out "
                                         "\"C:\\temp\\out.htm\" --env-args");
      const TOptions options =
          ParseOptions(WithLauncherValues(words(started.Commands[1]), [&](const char* variable) {
            const auto found = environment.find(variable);
            return found == environment.end() ? nullptr : found->second.c_str();
          }));
      EXPECT_EQ(options.Operands, (std::vector<std::string>{cmdmodel::WithoutQuotes(c.w1),
                                                            cmdmodel::WithoutQuotes(c.w2),
                                                            cmdmodel::WithoutQuotes(c.db)}));

      const cmdmodel::TScriptRun byHand =
          cmdmodel::RunScript(script, args, {{"HOMEDRIVE", "C:"}}, cmdmodel::kScriptFolder, sjis);
      EXPECT_EQ(byHand.Operators, own) << name << " " << c.w1;
      EXPECT_FALSE(byHand.Unmodelled) << name;
      ASSERT_EQ(byHand.Commands.size(), 2u) << name;
      std::vector<std::string> expected;
      for (std::size_t i = 1; i <= 4; ++i) {
        expected.push_back(i < args.size() ? cmdmodel::WithoutQuotes(args[i]) : "");
      }
      EXPECT_EQ(ParseScriptArgs(byHand.Commands[1]), expected) << byHand.Commands[1];
    }
  }
}

}  // namespace

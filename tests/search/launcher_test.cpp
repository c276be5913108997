// The search launcher's decisions and their order, against a platform that
// records every call.

#include "search/safe_command_line.h"
#include "search/search_launcher.h"
#include "tests/search/cmd_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kPrefix = "\"C:\\Windows\\system32\\cmd.exe\" /c \"";

class TRecordingPlatform : public TSearchPlatform {
 public:
  std::vector<std::string> Calls;
  std::set<std::string> Files{"zsearch.bat", "zsearcha.bat", "C:\\temp\\out.txt",
                              "C:\\temp\\out.htm"};
  std::string Drive = "C:";
  bool StartFails = false;
  int InputBeforeEnd = 0;                // wake-ups for messages before the child ends
  std::function<void()> OnPump = [] {};  // what dispatching a message does
  int NextChild = 1;
  TAnsiCodePage CodePage = cmdmodel::CodePage932();
  TChildVariables Variables;  // those given with the last start

  bool FileExists(const std::string& name) override {
    Calls.push_back("exists " + name);
    return Files.count(name) != 0;
  }
  TAnsiCodePage AnsiCodePage() override { return CodePage; }
  std::string CmdLinePrefix() override { return std::string(kPrefix); }
  void TakeStartupInfo() override { Calls.push_back("startupinfo"); }
  TChildHandle StartChild(const std::string& line, const TChildVariables& variables) override {
    Calls.push_back("start " + line);
    Variables = variables;
    if (StartFails) return nullptr;
    return reinterpret_cast<TChildHandle>(static_cast<intptr_t>(NextChild++));
  }
  TWaitResult WaitForChildOrInput(TChildHandle child) override {
    Calls.push_back("wait " + Id(child));
    if (InputBeforeEnd == 0) return TWaitResult::ChildEnded;
    --InputBeforeEnd;
    return TWaitResult::InputPending;
  }
  void PumpPendingMessages() override {
    Calls.push_back("pump");
    OnPump();
  }
  void CloseChild(TChildHandle child) override { Calls.push_back("close " + Id(child)); }
  std::string ReadEnvironment(const std::string& name) override {
    Calls.push_back("env " + name);
    return Drive;
  }
  void OpenWithShell(const std::string& path) override { Calls.push_back("open " + path); }
  void ShowMessage(const std::string& text) override { Calls.push_back("message " + text); }

 private:
  static std::string Id(TChildHandle child) {
    return std::to_string(reinterpret_cast<intptr_t>(child));
  }
};

TSearchRequest Request(std::string w1, std::string w2, TWriteMode write = TWriteMode::Overwrite,
                       std::string db = "data.txt", TSearchMode mode = TSearchMode::Text) {
  return {std::move(w1), std::move(w2), write, std::move(db), mode};
}

TEST(CommandLine, JoinsThePiecesWithSingleBlanksUnchanged) {
  struct TCase {
    std::string_view script, w1, w2, db, expected;
  };
  const TCase cases[] = {
      {"zsearch.bat", "alpha", "alpha", "data.txt", "zsearch.bat alpha alpha data.txt"},
      {"zsearcha.bat", "alpha", "beta", "data.txt", "zsearcha.bat alpha beta data.txt"},
      {"zsearch.bat", "a", "b", "", "zsearch.bat a b "},
      {"zsearch.bat", " ", " ", "data.txt", "zsearch.bat     data.txt"},
      {"zsearch.bat", "a", "b", "\"C:\\db\\x.txt\"", "zsearch.bat a b \"C:\\db\\x.txt\""},
      {"zsearch.bat", "a", "b", "my db.txt", "zsearch.bat a b my db.txt"},
      {"zsearch.bat", "表示", "ｿﾌﾄ", "番号順.txt", "zsearch.bat 表示 ｿﾌﾄ 番号順.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildCommandLine(c.script, c.w1, c.w2, c.db), c.expected);
  }
  // Literals are Shift-JIS: 表 is 0x95 0x5C, its trail byte the backslash.
  EXPECT_EQ(BuildCommandLine("s", "表", "x", "d"), "s \x95\x5C x d");
}

TEST(CommandLine, ResultPathIsTheDriveValueFollowedByTheSuffix) {
  EXPECT_EQ(ResultFilePath("C:", TSearchMode::Text), "C:\\temp\\out.txt");
  EXPECT_EQ(ResultFilePath("C:", TSearchMode::Html), "C:\\temp\\out.htm");
  EXPECT_EQ(ResultFilePath("", TSearchMode::Text), "\\temp\\out.txt");
  EXPECT_EQ(ResultFilePath("D:\\", TSearchMode::Html), "D:\\\\temp\\out.htm");
}

// Every accepted request, read by the model of cmd with every variable name
// defined: nothing expands, no operator acts, and the script's %~1, %~2 ...
// are the typed fields' pieces.
void ExpectReachesTheScriptAsTyped(const std::string& line, const TAnsiCodePage& lead,
                                   const std::vector<std::string_view>& fields) {
  const cmdmodel::TLaunch launch =
      cmdmodel::LaunchThroughCmd(line, lead, cmdmodel::EveryNameDefined);
  EXPECT_TRUE(launch.Parsed.Operators.empty()) << line;
  EXPECT_EQ(launch.Parsed.Expansions, 0) << line;
  EXPECT_FALSE(launch.Parsed.Unmodelled) << line;
  std::vector<std::string> expected = {"zsearch.bat"};
  for (std::string_view field : fields) {
    for (std::string& piece : cmdmodel::ExpectedPieces(field)) expected.push_back(piece);
  }
  std::vector<std::string> received;
  for (const std::string& argument : launch.Arguments) {
    received.push_back(cmdmodel::WithoutQuotes(argument));
  }
  EXPECT_EQ(received, expected) << line;
}

TEST(SafeCommandLine, EveryFieldReachesTheScriptAsTypedOrIsRefused) {
  const TAnsiCodePage sjis = cmdmodel::CodePage932();
  const TAnsiCodePage singleByte = cmdmodel::SingleBytePage();  // every byte its own character
  const TAnsiCodePage wide = cmdmodel::WideDoubleBytePage();
  const std::string longWord(4070, 'w');
  struct TCase {
    std::string w1, w2, db;
    const TAnsiCodePage& lead;
    std::string line;  // empty when refused
    TRefusal refusal;
  };
  const TCase cases[] = {
      {"alpha", "alpha", "data.txt", sjis, "zsearch.bat alpha alpha data.txt", TRefusal::None},
      {"a&echo x>pwned.txt", "b", "d", sjis, "zsearch.bat a^&echo x^>pwned.txt b d",
       TRefusal::None},
      {"a|b", "c<d", "(e)^f", sjis, "zsearch.bat a^|b c^<d ^(e^)^^f", TRefusal::None},
      // One pair of quotes around a whole field: cmd takes what is inside as it is.
      {"\"foo bar\"", "\"\"", "\"C:\\db dir\\x&y(1).txt\"", sjis,
       "zsearch.bat \"foo bar\" \"\" \"C:\\db dir\\x&y(1).txt\"", TRefusal::None},
      // Trail bytes | ^ \ (ポ タ 表 ソ 能) stay inside their character.
      {"ポ&タ|表", "ソ^能", "番号順.txt", sjis, "zsearch.bat ポ^&タ^|表 ソ^^能 番号順.txt",
       TRefusal::None},
      {"\x83|", "\x83^", "d", singleByte, "zsearch.bat \x83^| \x83^^ d", TRefusal::None},
      {"\x83", "x", "d", singleByte, "zsearch.bat \x83 x d", TRefusal::None},
      // Blanks, tabs, commas, semicolons and equals signs split a field.
      {"a,b;c=d\te", " ", "", sjis, "zsearch.bat a,b;c=d\te   ", TRefusal::None},
      {longWord, longWord, "dd", sjis, "zsearch.bat " + longWord + " " + longWord + " dd",
       TRefusal::None},
      {"a\"&calc", "a\"&calc", "番号順.txt", sjis, "", TRefusal::Quote},
      {"\"foo bar\"x&calc", "y", "d", sjis, "", TRefusal::Quote},
      {"a", "b", "\"C:\\d.txt\"&calc", sjis, "", TRefusal::Quote},
      {"\"", "b", "d", sjis, "", TRefusal::Quote},
      {"%PATH%", "b", "d", sjis, "", TRefusal::Expansion},
      {"a", "b", "\"C:\\100%\\d.txt\"", sjis, "", TRefusal::Expansion},
      {"a", "b!", "d", sjis, "", TRefusal::Expansion},
      {"a\rb", "b", "d", sjis, "", TRefusal::ControlCharacter},
      {"a", "b\n&calc", "d", sjis, "", TRefusal::ControlCharacter},
      {"a", "b", std::string("d\0&calc", 7), sjis, "", TRefusal::ControlCharacter},
      {"a", "\x1A", "d", singleByte, "", TRefusal::ControlCharacter},
      {"a\x83", "b", "d", sjis, "", TRefusal::BrokenCharacter},
      {"\x83 &calc", "b", "d", sjis, "", TRefusal::BrokenCharacter},
      {"a", "b", "\"C:\\\x83\"", sjis, "", TRefusal::BrokenCharacter},
      // Bytes the code page does not define, which Windows may read apart.
      {"\x85|calc", "b", "d", sjis, "", TRefusal::BrokenCharacter},
      {"a", "\x81^|calc", "d", wide, "", TRefusal::BrokenCharacter},
      {"a\x81", "b", "d", singleByte, "", TRefusal::BrokenCharacter},
      // What cmd receives counts, carets and the interpreter's path included
      // (a prefix of 12 characters, cmd.exe /c ", would have let this pass).
      {longWord, longWord, "ddd", sjis, "", TRefusal::TooLong},
      {std::string(2041, '&'), std::string(2041, '&'), "d", sjis, "", TRefusal::TooLong},
  };
  for (const TCase& c : cases) {
    const TSafeCommandLine got = SafeCommandLine("zsearch.bat", c.w1, c.w2, c.db, c.lead, kPrefix);
    EXPECT_EQ(got.Refusal, c.refusal) << c.w1.substr(0, 20) << " " << c.db;
    EXPECT_EQ(got.Line, c.line);
    if (got.Refusal == TRefusal::None)
      ExpectReachesTheScriptAsTyped(got.Line, c.lead, {c.w1, c.w2, c.db});
  }
  // The long accepted line is cmd's limit exactly; one byte more is refused.
  const std::string longest = "zsearch.bat " + longWord + " " + longWord + " dd";
  EXPECT_EQ(kPrefix.size() + longest.size() + kCmdLineSuffix.size(), kCmdLineLimit);
}

// The model is a fair judge: it finds what the earlier launcher let through
// (the caret pass by code page 932 always, and % passed as typed).
TEST(CmdModel, FindsWhatRunsOrChanges) {
  const TAnsiCodePage sjis = cmdmodel::CodePage932();
  const auto pathValue = [](std::string_view name) -> std::optional<std::string> {
    if (name == "PATH") return "C:\\a&b";
    return std::nullopt;
  };
  const cmdmodel::TLaunch percent =
      cmdmodel::LaunchThroughCmd("zsearch.bat %PATH% %^X% 50% d", sjis, pathValue);
  EXPECT_EQ(percent.Parsed.Expansions, 1);
  EXPECT_EQ(percent.Parsed.Operators, std::vector<std::string>{"&"});
  EXPECT_EQ(percent.Parsed.Text, "zsearch.bat C:\\a&b %X% 50% d");

  // ポ's trail byte is | under code page 1252, and no trail byte under 949.
  for (const TAnsiCodePage& page : {cmdmodel::SingleBytePage(), cmdmodel::WideDoubleBytePage()}) {
    EXPECT_EQ(cmdmodel::LaunchThroughCmd("zsearch.bat \x83| d", page, pathValue).Parsed.Operators,
              std::vector<std::string>{"|"});
  }

  // a"&calc passed twice: one argument a"&calc a"&calc for cmd, which the
  // script's own line "%~1" then opens.
  const cmdmodel::TLaunch quote =
      cmdmodel::LaunchThroughCmd("zsearch.bat a\"&calc a\"^&calc d", sjis, pathValue);
  EXPECT_TRUE(quote.Parsed.Operators.empty());
  EXPECT_EQ(quote.Arguments, (std::vector<std::string>{"zsearch.bat", "a\"&calc a\"&calc", "d"}));
  const cmdmodel::TScriptRun script = cmdmodel::RunScript(
      "@echo off\r\nfind \"%~1\" \"%~2\"\r\n", quote.Arguments, {}, cmdmodel::kScriptFolder, sjis);
  EXPECT_EQ(script.Operators, std::vector<std::string>{"&"});
}

TEST(LaunchSearch, NoWordShowsTheMessageBeforeAnythingElse) {
  TRecordingPlatform platform;
  platform.Files.clear();  // not even the script exists
  LaunchSearch(Request("", ""), platform);
  EXPECT_EQ(platform.Calls, std::vector<std::string>{"message 検索語を指定してください．"});
}

TEST(LaunchSearch, MissingScriptEndsSilentlyWithNothingStarted) {
  TRecordingPlatform platform;
  platform.Files.erase("zsearcha.bat");
  LaunchSearch(Request("a", "b", TWriteMode::Append), platform);
  EXPECT_EQ(platform.Calls, std::vector<std::string>{"exists zsearcha.bat"});
}

TEST(LaunchSearch, RunsTheScriptWaitsThenOpensTheResult) {
  TRecordingPlatform platform;
  platform.InputBeforeEnd = 2;
  LaunchSearch(Request("alpha", ""), platform);
  const std::vector<std::string> expected = {"exists zsearch.bat",
                                             "startupinfo",
                                             "start zsearch.bat alpha alpha data.txt",
                                             "wait 1",
                                             "pump",
                                             "wait 1",
                                             "pump",
                                             "wait 1",
                                             "close 1",
                                             "env HOMEDRIVE",
                                             "exists C:\\temp\\out.txt",
                                             "open C:\\temp\\out.txt"};
  EXPECT_EQ(platform.Calls, expected);
}

TEST(LaunchSearch, ChoosesScriptAndResultFileByModes) {
  struct TCase {
    TWriteMode write;
    TSearchMode mode;
    std::string start, open;
  };
  const TCase cases[] = {
      {TWriteMode::Overwrite, TSearchMode::Text, "start zsearch.bat a b data.txt",
       "open C:\\temp\\out.txt"},
      {TWriteMode::Overwrite, TSearchMode::Html, "start zsearch.bat a b data.txt",
       "open C:\\temp\\out.htm"},
      {TWriteMode::Append, TSearchMode::Text, "start zsearcha.bat a b data.txt",
       "open C:\\temp\\out.txt"},
      {TWriteMode::Append, TSearchMode::Html, "start zsearcha.bat a b data.txt",
       "open C:\\temp\\out.htm"},
  };
  for (const auto& c : cases) {
    TRecordingPlatform platform;
    LaunchSearch(Request("a", "b", c.write, "data.txt", c.mode), platform);
    EXPECT_EQ(platform.Calls.at(2), c.start);
    EXPECT_EQ(platform.Calls.back(), c.open);
  }
}

TEST(LaunchSearch, SecondWordAloneIsSearchedInBothPositions) {
  TRecordingPlatform platform;
  LaunchSearch(Request("", "beta"), platform);
  EXPECT_EQ(platform.Calls.at(2), "start zsearch.bat beta beta data.txt");
  EXPECT_EQ(platform.Calls.back(), "open C:\\temp\\out.txt");
}

TEST(LaunchSearch, HostileWordsReachTheChildEscapedAndAsTypedInItsEnvironment) {
  TRecordingPlatform platform;
  LaunchSearch(Request("a&echo x>pwned.txt", "", TWriteMode::Overwrite, "\"C:\\a b\\d.txt\""),
               platform);
  EXPECT_EQ(platform.Calls.at(2),
            "start zsearch.bat a^&echo x^>pwned.txt a^&echo x^>pwned.txt \"C:\\a b\\d.txt\"");
  const TChildVariables expected = {{"ZUNOSEEK_WORD1", "a&echo x>pwned.txt"},
                                    {"ZUNOSEEK_WORD2", "a&echo x>pwned.txt"},
                                    {"ZUNOSEEK_DATABASE", "\"C:\\a b\\d.txt\""}};
  EXPECT_EQ(platform.Variables, expected);
}

TEST(LaunchSearch, RefusedRequestsShowWhyAfterTheScriptTestAndStartNothing) {
  struct TCase {
    TSearchRequest request;
    std::string message;
  };
  const TCase cases[] = {
      {Request("a\"&calc", ""),
       "検索語とデータベース名には、全体を囲む一組のほかに二重引用符（\"）を使えません．"},
      {Request("", "%PATH%"),
       "検索語とデータベース名には半角の % と ! を使えません（全角の ％ と ！ は使えます）．"},
      {Request("a", "b", TWriteMode::Append, "d\r\n"),
       "検索語とデータベース名に改行などの制御文字が入っています．"},
      {Request("a\x83", "b"), "検索語とデータベース名に不完全な２バイト文字が入っています．"},
      {Request(std::string(5000, 'x'), ""),
       "検索語とデータベース名が長すぎて、検索スクリプトに渡せません．"},
  };
  for (const TCase& c : cases) {
    TRecordingPlatform platform;
    LaunchSearch(c.request, platform);
    const std::string script(ScriptName(c.request.WriteMode));
    EXPECT_EQ(platform.Calls,
              (std::vector<std::string>{"exists " + script, "message " + c.message}));
  }
  // The script test comes first: without a script, not even the refusal is shown.
  TRecordingPlatform platform;
  platform.Files.clear();
  LaunchSearch(Request("a\"&calc", ""), platform);
  EXPECT_EQ(platform.Calls, std::vector<std::string>{"exists zsearch.bat"});
}

TEST(LaunchSearch, FailedStartSkipsTheWaitButStillOpensAnEarlierResult) {
  TRecordingPlatform platform;
  platform.StartFails = true;
  LaunchSearch(Request("a", "b", TWriteMode::Overwrite, "", TSearchMode::Html), platform);
  const std::vector<std::string> expected = {"exists zsearch.bat",       "startupinfo",
                                             "start zsearch.bat a b ",   "env HOMEDRIVE",
                                             "exists C:\\temp\\out.htm", "open C:\\temp\\out.htm"};
  EXPECT_EQ(platform.Calls, expected);
}

TEST(LaunchSearch, MissingResultFileOrUnsetDriveOpensNothingElse) {
  TRecordingPlatform platform;
  platform.Drive = "";
  LaunchSearch(Request("a", "b"), platform);
  EXPECT_EQ(platform.Calls.at(platform.Calls.size() - 1), "exists \\temp\\out.txt");
}

TEST(LaunchSearch, SecondSearchRunsToItsEndInsideTheFirstOnesWait) {
  TRecordingPlatform platform;
  platform.InputBeforeEnd = 1;
  bool nested = false;
  platform.OnPump = [&] {
    if (nested) return;
    nested = true;
    LaunchSearch(Request("x", "y", TWriteMode::Append, "d", TSearchMode::Html), platform);
  };
  LaunchSearch(Request("a", "b"), platform);
  const std::vector<std::string> expected = {
      "exists zsearch.bat", "startupinfo", "start zsearch.bat a b data.txt", "wait 1", "pump",
      // the second search, whole, inside the first one's dispatch
      "exists zsearcha.bat", "startupinfo", "start zsearcha.bat x y d", "wait 2", "close 2",
      "env HOMEDRIVE", "exists C:\\temp\\out.htm", "open C:\\temp\\out.htm",
      // back in the first search's wait
      "wait 1", "close 1", "env HOMEDRIVE", "exists C:\\temp\\out.txt", "open C:\\temp\\out.txt"};
  EXPECT_EQ(platform.Calls, expected);
}

}  // namespace

// The search launcher's decisions and their order, against a platform that
// records every call.

#include "search/command_line.h"
#include "search/search_launcher.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

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

  bool FileExists(const std::string& name) override {
    Calls.push_back("exists " + name);
    return Files.count(name) != 0;
  }
  void TakeStartupInfo() override { Calls.push_back("startupinfo"); }
  TChildHandle StartChild(const std::string& line) override {
    Calls.push_back("start " + line);
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

TEST(CommandLine, CaretsGuardCmdOperatorsOutsideQuotesOnly) {
  struct TCase {
    std::string_view in, out;
  };
  const TCase cases[] = {
      {"zsearch.bat alpha beta data.txt", "zsearch.bat alpha beta data.txt"},
      {"s a&echo x>pwned.txt b d", "s a^&echo x^>pwned.txt b d"},
      {"s a|b c<d e^f", "s a^|b c^<d e^^f"},
      {"s \"a&b\" c&d", "s \"a&b\" c^&d"},
      {"s x\"&y x\"&y d", "s x\"&y x\"^&y d"},
      {"s \"C:\\a b\\x.txt\"", "s \"C:\\a b\\x.txt\""},
      {"s 100% 50%", "s 100% 50%"},
      {"s \x95\x5C ^", "s \x95\x5C ^^"},
      // Double-byte characters whose trail byte is '|' or '^' stay whole.
      {"s ポ&タ|表", "s ポ^&タ^|表"},
      {"s \x83\x7C\x83\x5E", "s \x83\x7C\x83\x5E"},
      // A lone lead byte at the very end is copied as it is.
      {"s a|\x83", "s a^|\x83"},
  };
  for (const auto& c : cases) EXPECT_EQ(EscapeForCmd(c.in), c.out) << c.in;
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

TEST(LaunchSearch, HostileWordsReachTheChildEscaped) {
  TRecordingPlatform platform;
  LaunchSearch(Request("a&echo x>pwned.txt", ""), platform);
  EXPECT_EQ(platform.Calls.at(2),
            "start zsearch.bat a^&echo x^>pwned.txt a^&echo x^>pwned.txt data.txt");
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

// What the results hold when a search does not go to plan: it ends early (out
// of memory, a database that cannot be read, the process killed), a result
// cannot be replaced, the target changes while it is copied, several searches
// append at once, the result folder is shared. And memory stays bounded for a
// record of any length, whatever it holds.

#include "tests/zsfind/alloc_meter.h"
#include "tests/zsfind/result_files.h"
#include "zsfind/find_request.h"
#include "zsfind/messages.h"
#include "zsfind/result_file.h"
#include "zsfind/zsfind_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#if !defined(_WIN32)
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace {

using resultfiles::Count;
using resultfiles::Read;
using resultfiles::Write;

const std::string kDir = "zsfind_result_safety_test";
const std::string kText = kDir + "/res/out.txt";
const std::string kHtml = kDir + "/res/out.htm";
const std::string kDb = kDir + "/db.txt";

int Zsfind(std::vector<std::string> args, const std::string& text = kText,
           const std::string& html = kHtml) {
  std::vector<std::string> all = {"--text-out", text, "--html-out", html};
  all.insert(all.end(), args.begin(), args.end());
  std::ostringstream out, err;
  return RunZsfind(all, {std::nullopt, "", '/'}, out, err);
}

bool IsValidHtml(const std::string& path) {
#if defined(_WIN32)
  (void)path;
  return true;
#else
  return std::system(("tidy -q -e --input-encoding shiftjis " + path).c_str()) == 0;
#endif
}

class ResultSafety : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(kDir);
    std::filesystem::create_directories(kDir + "/res");
  }
  void TearDown() override {
    allocmeter::FailFrom(0);
    std::filesystem::remove_all(kDir);
  }
};

#if !defined(_WIN32)
pid_t Spawn(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  return posix_spawn(&pid, ZSFIND_PATH, nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

bool WaitFor(const std::function<bool()>& done) {
  for (int i = 0; i < 1000; ++i) {
    if (done()) return true;
    usleep(10000);
  }
  return false;
}

// zsfind started on a database of a terabyte, a hole of zeros: it is still
// reading when it is killed, after the results have been begun.
class TWaitingSearch {
 public:
  TWaitingSearch(const std::string& folder) : Database(folder + "/huge.txt") {
    std::filesystem::create_directories(folder);
    Write(Database, "");
    std::filesystem::resize_file(Database, 1ull << 40);
    Pid = Spawn({ZSFIND_PATH, "--text-out", folder + "/out.txt", "--html-out", folder + "/out.htm",
                 "word", "word", Database});
    const auto begun = [&] {
      return Read(folder + "/out.txt").find(std::string(zsmsg::kUnfinished)) != std::string::npos &&
             Read(folder + "/out.htm").find(std::string(zsmsg::kUnfinished)) != std::string::npos;
    };
    Begun = Pid > 0 && WaitFor(begun);
  }
  ~TWaitingSearch() {
    if (Pid <= 0) return;
    kill(Pid, SIGKILL);
    waitpid(Pid, nullptr, 0);
  }
  bool Begun = false;

 private:
  std::string Database;
  pid_t Pid = -1;
};
#endif

struct TEarlyEnd {
  const char* Name;
  std::function<int()> Search;  // its exit code, -1 when it was killed
  std::string_view Problem;
};

// Whatever ends a search early, neither result is the last search's: each says
// what happened, and the exit code is not that of a search that ran.
TEST_F(ResultSafety, ASearchThatEndsEarlyLeavesAnErrorResult) {
  const std::vector<TEarlyEnd> cases = {
    {"out of memory",
     [] {
       // One 8 MiB record that matches: its hits (or the buffer it is
       // read into) take more than the 1 MiB allowed.
       Write(kDb, "a\r\n" + std::string(8 << 20, 'a') + "\r\n");
       allocmeter::FailFrom(1 << 20);
       const int exit = Zsfind({"a", "a", kDb});
       allocmeter::FailFrom(0);
       return exit;
     },
     zsmsg::kOutOfMemory},
#if !defined(_WIN32)
    {"read error",
     [] {
       return Zsfind({"a", "a", "/proc/self/mem"});
     },
     zsmsg::kReadFailed},
    {"killed while it searches",
     [] {
       const TWaitingSearch search(kDir + "/res");
       EXPECT_TRUE(search.Begun);
       return -1;
     },
     zsmsg::kUnfinished},
#endif
  };
  for (const TEarlyEnd& c : cases) {
    Write(kText, "stale");
    Write(kHtml, "stale");
    const int exit = c.Search();
    EXPECT_TRUE(exit != kExitFound && exit != kExitNotFound) << c.Name << " " << exit;
    for (const std::string& path : {kText, kHtml}) {
      const std::string result = Read(path);
      EXPECT_EQ(result.find("stale"), std::string::npos) << c.Name;
      EXPECT_NE(result.find(std::string(zsmsg::kProblem) + std::string(c.Problem)),
                std::string::npos)
          << c.Name << " " << path;
    }
    EXPECT_TRUE(IsValidHtml(kHtml)) << c.Name;
  }
}

struct TCopyCase {
  const char* Name;
  std::optional<std::string> Target;  // none: missing
  std::uint64_t Keep;
  bool Starts;
};

// An append copies the first bytes of the target; when the target is gone or
// shorter than it was a moment before, nothing is committed or left behind.
TEST_F(ResultSafety, TheCopyOfAnAppendedTargetIsAllOrNothing) {
  const std::vector<TCopyCase> cases = {
      {"target gone", std::nullopt, 10, false},
      {"target cut short", "0123456789", 100, false},
      {"target as it was", "0123456789", 10, true},
  };
  for (const TCopyCase& c : cases) {
    std::filesystem::remove_all(kDir + "/res");
    std::filesystem::create_directories(kDir + "/res");
    if (c.Target) Write(kText, *c.Target);
    {
      TResultFile result(kText);
      EXPECT_EQ(result.Start(c.Keep), c.Starts) << c.Name;
      if (c.Starts) {
        result.Out().Write("+");
        EXPECT_TRUE(result.Commit()) << c.Name;
      }
    }
    EXPECT_EQ(std::filesystem::exists(kText), c.Target.has_value()) << c.Name;
    EXPECT_EQ(Read(kText), c.Starts ? *c.Target + "+" : c.Target.value_or("")) << c.Name;
    // No temporary file is left beside it.
    const auto entries = std::distance(std::filesystem::directory_iterator(kDir + "/res"),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(entries, c.Target ? 1 : 0) << c.Name;
  }
}

// Searches started at once (a search inside another's wait) append one after
// the other: no section is lost or cut.
TEST_F(ResultSafety, AppendsAtOnceKeepEverySection) {
  std::string database;
  for (int i = 0; i < 3000; ++i) database += "record " + std::to_string(i) + "\tword\r\n";
  Write(kDb, database);
  ASSERT_EQ(Zsfind({"word", "word", kDb}), kExitFound);
  constexpr int kThreads = 4, kEach = 3;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([] {
      for (int i = 0; i < kEach; ++i) EXPECT_EQ(Zsfind({"--append", "word", "", kDb}), kExitFound);
    });
  }
  for (std::thread& t : threads) t.join();
  const std::string text = Read(kText);
  EXPECT_EQ(Count(text, std::string(zsmsg::kWords)), 1 + kThreads * kEach);
  EXPECT_EQ(Count(text, std::string("3000").append(zsmsg::kCountUnit)), 1 + kThreads * kEach);
  EXPECT_EQ(Count(text, "\tword\r\n"), 3000 * (1 + kThreads * kEach));
  const std::string html = Read(kHtml);
  EXPECT_EQ(Count(html, "<section>"), 1 + kThreads * kEach);
  EXPECT_EQ(Count(html, "</section>"), 1 + kThreads * kEach);
  EXPECT_EQ(Count(html, std::string(zsmsg::kUnfinished)), 0);
  EXPECT_TRUE(IsValidHtml(kHtml));
}

// A result that cannot be replaced (here a folder stands at its name) is an
// error: the exit code says so, and so does the other result.
TEST_F(ResultSafety, AResultThatCannotBeReplacedIsAnError) {
  Write(kDb, "found\r\n");
  std::filesystem::create_directories(kHtml + "/inside");
  Write(kHtml + "/inside/file", "x");
  EXPECT_EQ(Zsfind({"found", "found", kDb}), kExitCannotWrite);
  const std::string text = Read(kText);
  EXPECT_NE(text.find(std::string(zsmsg::kCannotWrite) + kHtml), std::string::npos) << text;
  EXPECT_NE(text.find(std::string("1").append(zsmsg::kCountUnit)), std::string::npos);
  EXPECT_EQ(Read(kHtml + "/inside/file"), "x");
}

// Temporary results are created new, never opened where something (a file, a
// link to someone else's file) already has the name, and their names are
// random, so no one can put anything there beforehand.
TEST_F(ResultSafety, TemporaryResultsAreNewFilesUnderRandomNames) {
  const std::string victim = kDir + "/victim.txt";
  Write(victim, "victim");
  Write(kDir + "/taken", "taken");
  EXPECT_FALSE(TWriteFile().CreateNew(kDir + "/taken"));
  EXPECT_EQ(Read(kDir + "/taken"), "taken");
#if !defined(_WIN32)
  ASSERT_EQ(symlink("victim.txt", (kDir + "/link").c_str()), 0);
  ASSERT_EQ(symlink("nowhere.txt", (kDir + "/dangling").c_str()), 0);
  EXPECT_FALSE(TWriteFile().CreateNew(kDir + "/link"));
  EXPECT_FALSE(TWriteFile().CreateNew(kDir + "/dangling"));
  EXPECT_FALSE(std::filesystem::exists(kDir + "/nowhere.txt"));
  EXPECT_EQ(Read(victim), "victim");

  // Two searches waiting in their real results: four temporary files, each
  // named by 64 random bits.
  const TWaitingSearch first(kDir + "/one");
  const TWaitingSearch second(kDir + "/two");
  ASSERT_TRUE(first.Begun && second.Begun);
  const std::regex name(R"(out\.(txt|htm)\.[0-9a-f]{16}\.zsfind-new)");
  std::set<std::string> randomParts;
  for (const char* folder : {"/one", "/two"}) {
    for (const auto& entry : std::filesystem::directory_iterator(kDir + folder)) {
      const std::string file = entry.path().filename().string();
      if (file.find(".zsfind-new") == std::string::npos) continue;
      EXPECT_TRUE(std::regex_match(file, name)) << file;
      randomParts.insert(file.substr(8, 16));
    }
  }
  EXPECT_EQ(randomParts.size(), 4u);
#endif
}

// The next search in a folder removes what searches killed there left (its
// lock tells that none of them runs), and nothing else.
TEST_F(ResultSafety, LeftoversOfKilledSearchesAreRemovedByTheNext) {
#if !defined(_WIN32)
  ASSERT_TRUE(TWaitingSearch(kDir + "/res").Begun);  // and killed
#endif
  Write(kDb, "x\r\n");
  Write(kText + ".0123456789abcdef.zsfind-new", "left over");
  Write(kDir + "/res/notes.zsfind-new", "someone's");
  EXPECT_EQ(Zsfind({"x", "x", kDb}), kExitFound);
  const auto left =
      std::count_if(std::filesystem::directory_iterator(kDir + "/res"), {},
                    [](const auto& entry) { return entry.path().extension() == ".zsfind-new"; });
  EXPECT_EQ(left, 1);
  EXPECT_EQ(Read(kDir + "/res/notes.zsfind-new"), "someone's");
}

struct TMemoryCase {
  const char* Name;
  std::string Unit;  // a 2 MiB record repeats it
  std::vector<std::string> Words;
};

// Long records full of hits, with every byte escaped or a cell at every
// other byte: the heap in use stays a fraction of the record's size where the
// record is mapped. Where it is read (always on Windows), the buffer that
// holds it doubles on the way, and the next chunk's buffer may be as large:
// less than four times the record.
TEST_F(ResultSafety, MemoryStaysBoundedForRecordsFullOfHits) {
  constexpr std::size_t kRecord = 2 << 20;
  const std::vector<TMemoryCase> cases = {
      {"control bytes, one long hit", "\x01", {"\x01"}},
      {"a hit at every byte, markup, cells", "<a\t", {"<", "a"}},
  };
  for (const TMemoryCase& c : cases) {
    std::string record;
    while (record.size() < kRecord) record += c.Unit;
    Write(kDb, "first\r\n" + record + "\r\n");
    record.clear();
    record.shrink_to_fit();
    std::vector<std::string> args = c.Words;
    if (args.size() == 1) args.push_back("");
    args.push_back(kDb);
    allocmeter::ResetPeak();
    const std::size_t before = allocmeter::InUse();
    EXPECT_EQ(Zsfind(args), kExitFound) << c.Name;
    const std::size_t peak = allocmeter::Peak() - before;
    EXPECT_LT(peak, 4 * kRecord) << c.Name;
#if !defined(_WIN32)
    EXPECT_LT(peak, kRecord) << c.Name;
#endif
    EXPECT_GT(std::filesystem::file_size(kHtml), kRecord) << c.Name;
  }
}

}  // namespace

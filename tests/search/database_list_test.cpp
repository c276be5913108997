#include "search/database_list.h"

#include "tests/search/list_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TMoveCase {
  const char* What;
  TEntries Before;
  std::string Text;
  TEntries After;
};

TEST(DatabaseListTest, MoveToTopMovesTheLastCopyOrInsertsWithinTheBound) {
  const TMoveCase cases[] = {
      {"new name on the defaults",
       DefaultEntries(),
       "論文名.txt",
       {"論文名.txt", "番号順.txt", "著者名.txt", "年代順.txt", "分類順.txt", "data.txt"}},
      {"entry 0 again", {"a", "b", "c"}, "a", {"a", "b", "c"}},
      {"later copy moves, earlier shifts", {"p", "q", "p", "r"}, "p", {"p", "p", "q", "r"}},
      {"new text grows a list of 6", Numbered(6), "new", Join({"new"}, Numbered(6))},
      {"new text on an empty list", {}, "x", {"x"}},
      {"empty text inserted", {"a", "b"}, "", {"", "a", "b"}},
      {"empty entry moved", {"a", "", "b"}, "", {"", "a", "b"}},
      {"case counts", {"Data.txt"}, "data.txt", {"data.txt", "Data.txt"}},
      {"quotes count",
       {"\"C:\\db\\x.txt\""},
       "C:\\db\\x.txt",
       {"C:\\db\\x.txt", "\"C:\\db\\x.txt\""}},
      {"trailing blank counts", {"a"}, "a ", {"a ", "a"}},
      {"Shift-JIS with a 0x5C trail byte", {"表.txt", "ソ.txt"}, "ソ.txt", {"ソ.txt", "表.txt"}},
      {"29 grow to 30", Numbered(29), "new", Join({"new"}, Numbered(29))},
      {"30 stay 30, last dropped", Numbered(30), "new", Join({"new"}, Numbered(29))},
      {"35 loaded stay 35", Numbered(35), "new", Join({"new"}, Numbered(34))},
      {"30 with a match drop nothing", Numbered(30), "db30", Join({"db30"}, Numbered(29))},
  };
  for (const TMoveCase& c : cases) {
    TDatabaseList list = ListOf(c.Before);
    list.MoveToTop(c.Text);
    EXPECT_EQ(list.Entries(), c.After) << c.What;
  }
}

struct TRemoveCase {
  const char* What;
  TEntries Before;
  std::string Text;
  bool Result;
  TEntries After;
};

TEST(DatabaseListTest, RemoveEntryRemovesTheLastCopy) {
  const TRemoveCase cases[] = {
      {"last of two copies", {"p", "q", "p"}, "p", true, {"p", "q"}},
      {"no match", {"a", "b"}, "c", true, {"a", "b"}},
      {"case counts", {"Data.txt"}, "data.txt", true, {"Data.txt"}},
      {"empty entry", {"a", "", "b"}, "", true, {"a", "b"}},
      {"only entry", {"a"}, "a", true, {}},
      {"empty list", {}, "a", false, {}},
      {"empty list, empty text", {}, "", false, {}},
  };
  for (const TRemoveCase& c : cases) {
    TDatabaseList list = ListOf(c.Before);
    EXPECT_EQ(list.RemoveEntry(c.Text), c.Result) << c.What;
    EXPECT_EQ(list.Entries(), c.After) << c.What;
  }
}

}  // namespace

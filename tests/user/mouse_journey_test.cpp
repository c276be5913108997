// What a user does with the mouse, from the first start to the about window:
// words typed and edited, a database picked from the list, both searches,
// the list set, pruned and given a chosen file, kept across a restart, the
// documents read and printed, the links hovered and followed.

#include "product/identity.h"
#include "tests/support/real_input.h"
#include "tests/support/screen_image.h"
#include "tests/user/user_test_support.h"

using testsupport::Click;
using testsupport::ScreenPoint;
using testsupport::WaitUntil;
using testsupport::WindowText;

namespace {

const std::vector<std::string> kDefaults = {"番号順.txt", "著者名.txt", "年代順.txt",
                                            "分類順.txt", "論文名.txt", "data.txt"};

// The selection of an edit (or of a combo box's edit part): start and end.
std::pair<int, int> Selection(HWND control, UINT message = EM_GETSEL) {
  const auto packed = static_cast<DWORD>(testsupport::SendBounded(control, message));
  return {LOWORD(packed), HIWORD(packed)};
}

// The screen place just right of the left edge of character `index`, on the
// middle line of the edit.
POINT AtChar(HWND edit, int index) {
  const auto packed = static_cast<DWORD>(
      testsupport::SendBounded(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index)));
  RECT client;
  GetClientRect(edit, &client);
  return ScreenPoint(edit, {static_cast<short>(LOWORD(packed)) + 1, client.bottom / 2});
}

class MouseJourneyTest : public UserTest {
 protected:
  void ClickButton(HWND window, const char* caption) const { ClickOn(Button(window, caption)); }

  void EditFieldsAndTypeWords() const;
  void SearchTwice() const;
  void SetAndDeleteEntries() const;
  void ChooseFile() const;
  void ReadAndPrint(int item, const char* caption, const char* title) const;
  void HoverAndFollowLinks(HWND about) const;
};

void MouseJourneyTest::EditFieldsAndTypeWords() const {
  const HWND first = Field(0), second = Field(1);
  TypeInto(first, "wrong words");
  Click(AtChar(first, 3));
  EXPECT_TRUE(WaitUntil([&] { return Selection(first) == std::pair(3, 3); }));
  testsupport::Drag(AtChar(first, 1), AtChar(first, 4));
  EXPECT_TRUE(WaitUntil([&] { return Selection(first) == std::pair(1, 4); }));
  testsupport::DoubleClick(AtChar(first, 8));
  EXPECT_TRUE(WaitUntil([&] { return Selection(first) == std::pair(6, 11); }))
      << Selection(first).first << "," << Selection(first).second;
  ClickButton(Main, "検索語 1 ｸﾘｱ");
  EXPECT_TRUE(WaitUntil([&] { return WindowText(first).empty(); }));
  TypeInto(second, "oops");
  ClickButton(Main, "検索語 2 ｸﾘｱ");
  EXPECT_TRUE(WaitUntil([&] { return WindowText(second).empty(); }));
  TypeInto(first, "alpha");
  TypeInto(second, "beta");
}

void MouseJourneyTest::SearchTwice() const {
  PickDatabase("年代順.txt");
  EXPECT_TRUE(WaitUntil([&] { return WindowText(Combo()) == "年代順.txt"; }));
  ClickButton(Main, "ﾃｷｽﾄ検索");
  EXPECT_EQ(Searches(1), std::vector<std::string>{"zsearch alpha beta 年代順.txt"});
  const auto textOpen = Opens(1);
  ASSERT_EQ(textOpen.size(), 1u);
  EXPECT_NE(textOpen[0].find(Work.Path() + "temp\\out.txt"), std::string::npos) << textOpen[0];

  const HWND overwrite = Button(Main, "検索結果の上書き");
  EXPECT_EQ(testsupport::SendBounded(overwrite, BM_GETCHECK), BST_CHECKED);
  ClickOn(overwrite);
  EXPECT_TRUE(WaitUntil([&] { return testsupport::SendBounded(overwrite, BM_GETCHECK) == 0; }));
  ClickButton(Main, "html検索");
  const auto searches = Searches(2);
  ASSERT_EQ(searches.size(), 2u);
  EXPECT_EQ(searches[1], "zsearcha alpha beta 年代順.txt");
  const auto opens = Opens(2);
  ASSERT_EQ(opens.size(), 2u);
  EXPECT_NE(opens[1].find(Work.Path() + "temp\\out.htm"), std::string::npos) << opens[1];
}

void MouseJourneyTest::SetAndDeleteEntries() const {
  ClickButton(Main, "検索ﾃﾞｰﾀﾍﾞｰｽ設定・追加");
  const std::vector<std::string> moved = {"年代順.txt", "番号順.txt", "著者名.txt",
                                          "分類順.txt", "論文名.txt", "data.txt"};
  EXPECT_TRUE(WaitUntil([&] { return ComboItems() == moved; }));

  // The entry to delete, picked and then partly selected in the edit part.
  PickDatabase("data.txt");
  const HWND combo = Combo();
  const HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(combo) == "data.txt"; }));
  testsupport::Drag(AtChar(edit, 2), AtChar(edit, 6));
  EXPECT_TRUE(WaitUntil([&] { return Selection(combo, CB_GETEDITSEL) == std::pair(2, 6); }));
  ClickButton(Main, "削除");
  const std::vector<std::string> pruned(moved.begin(), moved.end() - 1);
  EXPECT_TRUE(WaitUntil([&] { return ComboItems() == pruned; }));
  EXPECT_EQ(WindowText(combo), "年代順.txt");
}

void MouseJourneyTest::ChooseFile() const {
  ChooseDatabase();
  const std::string quoted = "\"" + Database + "\"";
  ClickButton(Main, "検索ﾃﾞｰﾀﾍﾞｰｽ設定・追加");
  EXPECT_TRUE(WaitUntil([&] { return ComboItems().at(0) == quoted; }));
}

void MouseJourneyTest::ReadAndPrint(int item, const char* caption, const char* title) const {
  ASSERT_TRUE(testsupport::BringToFront(Main));
  ASSERT_TRUE(testsupport::ChooseMenuItem(Main, kHelpMenu, item));
  const HWND viewer = Window(caption);
  ASSERT_NE(viewer, nullptr) << caption;
  const auto before = PrintJobs(title);
  ClickButton(viewer, kPrintButton);
  EXPECT_TRUE(NewJobPrinted(title, before)) << title;
  ClickButton(viewer, kCloseButton);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(viewer); })) << caption;
}

// Where the two links are: the runs of pure blue text on the picture.
std::vector<RECT> LinkPlaces(HWND about) {
  RECT client;
  GetClientRect(about, &client);
  MapWindowPoints(about, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const auto blue = [](COLORREF c) { return c == RGB(0, 0, 255); };
  std::vector<RECT> places;
  for (const auto& rows : testsupport::TScreenImage(client).Runs(false, 2, blue)) {
    const RECT band{client.left, rows.First, client.right, rows.Last + 1};
    const auto columns = testsupport::TScreenImage(band).Runs(true, client.right, blue);
    places.push_back({columns[0].First, rows.First, columns[0].Last + 1, rows.Last + 1});
  }
  return places;
}

void MouseJourneyTest::HoverAndFollowLinks(HWND about) const {
  std::vector<RECT> links;
  ASSERT_TRUE(WaitUntil([&] {
    links = LinkPlaces(about);
    return links.size() == 2;
  })) << links.size()
      << " links seen";
  const POINT away = ScreenPoint(about, {10, 10});
  const std::string targets[] = {std::string("\"mailto:") + kAuthorMail + "\"",
                                 std::string("\"") + kHomePage + "\""};
  for (std::size_t i = 0; i < links.size(); ++i) {
    SCOPED_TRACE(targets[i]);
    const RECT& r = links[i];
    const POINT on{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    const auto count = [&](COLORREF c) { return testsupport::TScreenImage(r).Count(c); };
    const int underlined = count(RGB(0, 0, 255));
    ASSERT_TRUE(testsupport::BringToFront(about));
    // Underlined while the pointer is over it, plain once it has left.
    testsupport::MovePointer(on);
    testsupport::MovePointer(away);
    EXPECT_TRUE(WaitUntil([&] { return count(RGB(0, 0, 255)) < underlined; }));
    EXPECT_GT(count(RGB(0, 0, 255)), 0);
    testsupport::MovePointer(on);
    EXPECT_TRUE(WaitUntil([&] { return count(RGB(0, 0, 255)) == underlined; }));
    // Red while pressed; the release over it opens the target.
    testsupport::LeftDown(on);
    EXPECT_TRUE(WaitUntil([&] { return count(RGB(255, 0, 0)) > 0 && count(RGB(0, 0, 255)) == 0; }));
    testsupport::LeftUp(on);
    EXPECT_TRUE(WaitUntil([&] { return count(RGB(0, 0, 255)) == underlined; }));
    const auto opens = Opens(i + 1);
    ASSERT_EQ(opens.size(), i + 1);
    EXPECT_NE(opens[i].find(targets[i]), std::string::npos) << opens[i];
  }
}

}  // namespace

TEST_F(MouseJourneyTest, FromTheFirstStartToTheAboutWindow) {
  ASSERT_NE(Start(), nullptr);
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "zsearch", 0, KEY_READ, &key), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(ComboItems(), kDefaults);
  EXPECT_EQ(WindowText(Combo()), "番号順.txt");

  EditFieldsAndTypeWords();
  SearchTwice();
  SetAndDeleteEntries();
  ChooseFile();
  const std::vector<std::string> left = ComboItems();
  ClickButton(Main, kCloseButton);
  EXPECT_EQ(Program.WaitForEnd(), 0u);
  EXPECT_EQ(testsupport::ReadValue("zsearch", "RegCount"), std::to_string(left.size()));
  EXPECT_EQ(testsupport::ReadValue("zsearch", "FileName1"), "\"" + Database + "\"");

  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(ComboItems(), left);
  EXPECT_EQ(WindowText(Combo()), left.at(0));

  ReadAndPrint(kHelpItem, kHelpCaption, "helpzs.txt");
  ReadAndPrint(kReadmeItem, kReadmeCaption, "zreadme.txt");
  Forget();
  ASSERT_TRUE(testsupport::BringToFront(Main));
  ASSERT_TRUE(testsupport::ChooseMenuItem(Main, kHelpMenu, kAboutItem));
  const HWND about = Window(kAboutCaption);
  ASSERT_NE(about, nullptr);
  HoverAndFollowLinks(about);
  ClickButton(about, kCloseButton);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }));
  ClickButton(Main, kCloseButton);
  EXPECT_EQ(Program.WaitForEnd(), 0u);
}

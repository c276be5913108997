// Every button of the four windows, and the check box, pressed in each of
// three ways: clicked with the mouse, sent BM_CLICK from this process as
// assistive tools and UI automation do, and reached with Tab and pressed with
// Space. One table says what each press must do.

#include "tests/support/real_input.h"
#include "tests/user/user_test_support.h"

#include <functional>

using testsupport::WaitUntil;
using testsupport::WindowText;

namespace {

enum class TWay { Mouse, Message, Keyboard };

std::string WayName(const ::testing::TestParamInfo<TWay>& info) {
  switch (info.param) {
    case TWay::Mouse:
      return "Mouse";
    case TWay::Message:
      return "BmClick";
    default:
      return "Keyboard";
  }
}

void SetText(HWND window, const char* text) {
  testsupport::SendBounded(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

struct TRow {
  const char* Window;   // the caption of the window that holds the control
  const char* Control;  // the control's caption
  std::function<void()> Prepare;
  std::function<bool()> Done;  // waits for what the press must do
};

class ControlActivationTest : public UserTest, public ::testing::WithParamInterface<TWay> {
 protected:
  // The window with this caption, opened as a user opens it when it is not
  // shown.
  HWND Shown(const char* caption) const;
  void Press(HWND window, HWND control) const;
  // The text search or html search that a press must start.
  bool Searched(const char* script, const char* result) const;
  bool Hidden(const char* caption) const {
    return WaitUntil([&] { return Window(caption, 0) == nullptr; });
  }
};

HWND ControlActivationTest::Shown(const char* caption) const {
  if (HWND shown = Window(caption, 0)) return shown;
  EXPECT_TRUE(testsupport::BringToFront(Main));
  const std::string wanted = caption;
  if (wanted == kHelpCaption) {
    testsupport::SendChord({VK_F9});
  } else if (wanted == kReadmeCaption) {
    testsupport::SendChord({VK_F10});
  } else {
    EXPECT_TRUE(testsupport::ChooseMenuItem(Main, kHelpMenu, kAboutItem));
  }
  return Window(caption);
}

void ControlActivationTest::Press(HWND window, HWND control) const {
  switch (GetParam()) {
    case TWay::Mouse:
      ClickOn(control);
      break;
    case TWay::Message:
      // Posted: a press that opens a modal box would hold a sent message.
      PostMessageA(control, BM_CLICK, 0, 0);
      break;
    case TWay::Keyboard:
      ASSERT_TRUE(testsupport::BringToFront(window));
      for (int tabs = 0; Focus() != control && tabs < 16; ++tabs) {
        const HWND before = Focus();
        testsupport::SendChord({VK_TAB});
        WaitUntil([&] { return Focus() != before; }, 2000);
      }
      ASSERT_EQ(Focus(), control) << "Tab does not reach it";
      testsupport::SendChord({VK_SPACE});
      break;
  }
}

bool ControlActivationTest::Searched(const char* script, const char* result) const {
  const auto opens = Opens(1);
  return Searches(1) == std::vector<std::string>{std::string(script) + " alpha beta 番号順.txt"} &&
         opens.size() == 1 && opens[0].find(Work.Path() + "temp\\" + result) != std::string::npos;
}

TEST_P(ControlActivationTest, EveryButtonDoesItsCommand) {
  ASSERT_NE(Start(), nullptr);
  const auto fillWords = [&] {
    Forget();
    SetText(Field(0), "alpha");
    SetText(Field(1), "beta");
  };
  const auto itemsAfterAdding = [&] {
    std::vector<std::string> items = ComboItems();
    items.insert(items.begin(), "added.txt");
    return items;
  };
  std::vector<std::string> expectedItems, jobs;
  const TRow rows[] = {
      {kMainCaption, "検索語 1 ｸﾘｱ", [&] { SetText(Field(0), "alpha"); },
       [&] { return WaitUntil([&] { return WindowText(Field(0)).empty(); }); }},
      {kMainCaption, "検索語 2 ｸﾘｱ", [&] { SetText(Field(1), "beta"); },
       [&] { return WaitUntil([&] { return WindowText(Field(1)).empty(); }); }},
      {kMainCaption, "ﾃｷｽﾄ検索", fillWords, [&] { return Searched("zsearch", "out.txt"); }},
      {kMainCaption, "html検索", fillWords, [&] { return Searched("zsearch", "out.htm"); }},
      {kMainCaption, "検索ﾃﾞｰﾀﾍﾞｰｽ設定・追加",
       [&] {
         expectedItems = itemsAfterAdding();
         SetText(Combo(), "added.txt");
       },
       [&] { return WaitUntil([&] { return ComboItems() == expectedItems; }); }},
      {kMainCaption, "削除",
       [&] {
         expectedItems = ComboItems();
         expectedItems.erase(expectedItems.begin());
         SetText(Combo(), "added.txt");
       },
       [&] { return WaitUntil([&] { return ComboItems() == expectedItems; }); }},
      {kMainCaption, "検索結果の上書き", nullptr,
       [&] {
         const HWND box = Button(Main, "検索結果の上書き");
         return WaitUntil(
             [&] { return testsupport::SendBounded(box, BM_GETCHECK) == BST_UNCHECKED; });
       }},
      {kMainCaption, "ﾌｧｲﾙ選択", nullptr,
       [&] {
         const HWND dialog = Dialog();
         if (dialog == nullptr || !testsupport::BringToFront(dialog)) return false;
         testsupport::SendChord({VK_ESCAPE});
         return WaitUntil([&] { return !IsWindowVisible(dialog); });
       }},
      {kHelpCaption, kPrintButton, [&] { jobs = PrintJobs("helpzs.txt"); },
       [&] { return NewJobPrinted("helpzs.txt", jobs); }},
      {kHelpCaption, kCloseButton, nullptr, [&] { return Hidden(kHelpCaption); }},
      {kReadmeCaption, kPrintButton, [&] { jobs = PrintJobs("zreadme.txt"); },
       [&] { return NewJobPrinted("zreadme.txt", jobs); }},
      {kReadmeCaption, kCloseButton, nullptr, [&] { return Hidden(kReadmeCaption); }},
      {kAboutCaption, kCloseButton, nullptr, [&] { return Hidden(kAboutCaption); }},
      {kMainCaption, kCloseButton, nullptr, [&] { return Program.WaitForEnd() == 0; }},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(std::string(row.Window) + ": " + row.Control);
    const HWND window = Shown(row.Window);
    ASSERT_NE(window, nullptr);
    const HWND control = Button(window, row.Control);
    ASSERT_NE(control, nullptr);
    if (row.Prepare) row.Prepare();
    Press(window, control);
    EXPECT_TRUE(row.Done());
  }
}

INSTANTIATE_TEST_SUITE_P(Ways, ControlActivationTest,
                         ::testing::Values(TWay::Mouse, TWay::Message, TWay::Keyboard), WayName);

}  // namespace

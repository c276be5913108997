// A message box shown while the about window, which stays on top, is active:
// the box lies above it and takes the input, and the about window is active
// again once the box is answered.

#include "tests/support/real_input.h"
#include "tests/user/user_test_support.h"

using testsupport::WaitUntil;

namespace {

// Whether `upper` lies above `lower` among the desktop's windows.
bool Above(HWND upper, HWND lower) {
  for (HWND w = GetWindow(upper, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w == lower) return true;
  }
  return false;
}

TEST_F(UserTest, AMessageBoxLiesAboveTheAboutWindowAndTakesTheInput) {
  DeleteFileA("helpzs.txt");
  ASSERT_NE(Start(), nullptr);
  ASSERT_TRUE(testsupport::BringToFront(Main));
  ASSERT_TRUE(testsupport::ChooseMenuItem(Main, kHelpMenu, kAboutItem));
  const HWND about = Window(kAboutCaption);
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == about; }));

  testsupport::SendChord({VK_F9});
  const HWND box = Dialog();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; }));
  EXPECT_TRUE(Above(box, about));
  EXPECT_FALSE(IsWindowEnabled(about));
  EXPECT_FALSE(IsWindowEnabled(Main));
  EXPECT_EQ(testsupport::WindowText(box), "zunoseek");
  EXPECT_EQ(testsupport::WindowText(GetDlgItem(box, 0xFFFF)), "ヘルプファイルが見つかりません．");
  RECT r;
  GetWindowRect(box, &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);

  testsupport::Click(testsupport::CentreOf(GetDlgItem(box, IDOK)));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == about; }));
  EXPECT_TRUE(IsWindowEnabled(about));
  EXPECT_TRUE(IsWindowEnabled(Main));
}

}  // namespace

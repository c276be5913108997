// The toolkit's text rules, grouped by behaviour: access keys, shortcut
// names, the application title and the error box's full stop. Shift-JIS
// captions and paths include trail bytes that look like "\" (0x5C) or "&"-free
// letters.

#include "widgets/accel.h"
#include "widgets/app_text.h"
#include "widgets/shortcut.h"

#include <gtest/gtest.h>

namespace {

// "表" and "ソ" end in the byte 0x5C, "能" too.
constexpr const char* kHyou = "\x95\x5C";
constexpr const char* kSo = "\x83\x5C";

}  // namespace

TEST(AccelChar, FindsTheMarkedCharacter) {
  const struct {
    std::string Caption;
    char Expected;
  } cases[] = {
      {"閉じる(&C)", 'C'},
      {"&Exit", 'E'},
      {"a&&b", 0},  // "&&" is a plain "&"
      {"a&&&b", 'b'},
      {"no mark", 0},
      {"end&", 0},
      {"&閉じる", 0},  // a double-byte character is no access key
      {std::string(kHyou) + "&x", 'x'},
      {std::string("\x82\x26") + "y",
       0},  // never happens in Shift-JIS, but a trail byte is skipped
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AccelChar(c.Caption), c.Expected) << c.Caption;
  }
}

TEST(AccelChar, MatchesLettersInEitherCase) {
  EXPECT_TRUE(IsAccel('c', "閉じる(&C)"));
  EXPECT_TRUE(IsAccel('C', "閉じる(&c)"));
  EXPECT_FALSE(IsAccel('x', "閉じる(&C)"));
  EXPECT_FALSE(IsAccel('a', "a&&b"));
}

TEST(ShortCutText, NamesKeysAsTheMenuShowsThem) {
  const struct {
    TShortCut ShortCut;
    const char* Text;
  } cases[] = {
      {MakeShortCut(0x1B), "Esc"},
      {MakeShortCut('1', kShortCutCtrl), "Ctrl+1"},
      {MakeShortCut('Z', kShortCutCtrl), "Ctrl+Z"},
      {MakeShortCut(0x78), "F9"},
      {MakeShortCut(0x79), "F10"},
      {MakeShortCut('C', kShortCutCtrl | kShortCutShift), "Shift+Ctrl+C"},
      {MakeShortCut(0x2E, kShortCutAlt), "Alt+Del"},
      {0, ""},
      {MakeShortCut(0x61, kShortCutCtrl), ""},  // a keypad digit has no name here
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShortCutToText(c.ShortCut), c.Text);
  }
}

TEST(ApplicationTitle, IsTheFileNameBeforeItsFirstDotInLowerCase) {
  const struct {
    std::string Path;
    std::string Title;
  } cases[] = {
      {"C:\\Program Files\\Zuno\\zunoseek.exe", "zunoseek"},
      {"C:\\apps\\ZUNOSEEK.EXE", "Zunoseek"},
      {"C:\\apps\\My.Tool.v2.exe", "My"},
      {"D:ZunoSeek.exe", "Zunoseek"},
      {"zunoseek", "zunoseek"},
      {"C:\\a.b\\Prog.exe", "Prog"},                   // dots in folders do not count
      {std::string("C:\\") + kHyou + "\\Z.exe", "Z"},  // a real separator after 表
      {std::string("C:\\x\\") + kSo + "AB.exe", std::string(kSo) + "ab"},  // 0x5C trail byte
      {std::string("C:\\x\\A") + kHyou + "BC.exe", std::string("A") + kHyou + "bc"},
      {"C:\\x\\\x83\x41.exe", "\x83\x41"},  // trail byte "A" of a katakana is kept
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ApplicationTitle(c.Path), c.Title) << c.Path;
  }
}

TEST(ErrorBoxText, AppendsAFullStopAfterCharactersThatSortAfterIt) {
  const struct {
    std::string Message;
    std::string Shown;
  } cases[] = {
      {"'RegCount' のデータ型が不正です", "'RegCount' のデータ型が不正です."},
      {"disk full", "disk full."},
      {"done.", "done."},
      {"what?", "what?."},
      {"(see note)", "(see note)"},  // ")" sorts before "."
      {"a-", "a-"},
      {"a/", "a/."},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorBoxText(c.Message), c.Shown) << c.Message;
  }
}

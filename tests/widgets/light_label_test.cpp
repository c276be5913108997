// TLightLabel on a form under Wine, driven by mouse messages to the form:
// the looks it shows, the order of its events, what it hands the shell.

#include "widgets/light_label.h"
#include "widgets/application.h"
#include "widgets/form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

class TRecordingShell : public TLinkShell {
 public:
  std::vector<std::string> Opened;
  std::string ProgramPath() override { return "C:\\zuno\\zunoseek.exe"; }
  void* ApplicationWindow() override { return nullptr; }
  void Execute(void*, const char*, const std::string& file, const char*, const std::string&,
               int) override {
    Opened.push_back(file);
  }
};

class LightLabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Main.SetBounds(100, 100, 300, 200);
    Main.Show();
    Link.SetCaption("link");
    Link.SetBounds(20, 20, 100, 20);
    Link.SetJumpType(TJumpType::jtMail);
    Link.SetJumpTo("a@example.com");
    Link.OnMouseEnter = [this](TLightLabel& sender) { Event(sender, "enter"); };
    Link.OnMouseLeave = [this](TLightLabel& sender) { Event(sender, "leave"); };
    Link.OnMouseDown = [this](TMouseButton, int, int) { Event(Link, "down"); };
    Link.OnMouseUp = [this](TMouseButton, int, int) { Event(Link, "up"); };
    Link.OnClick = [this] { Event(Link, "click"); };
    Link.OnDblClick = [this] { Event(Link, "dblclick"); };
  }

  // Each event with the look showing and the number of targets opened so far.
  void Event(TLightLabel& sender, const std::string& name) {
    Log.push_back(name + ":" + Look(sender) + ":" + std::to_string(Shell.Opened.size()));
  }
  static std::string Look(TLightLabel& label) {
    const TFontAttributes& font = label.Font().Attributes();
    if (font.Color == kColorRed) return "click";
    return font.Style & kFontUnderline ? "light" : "default";
  }
  void Mouse(UINT message, int x, int y) {
    SendMessageA(Main.Handle(), message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON,
                 MAKELPARAM(x, y));
  }

  TApplication App;
  TForm& Main = App.CreateForm<TForm>();
  TRecordingShell Shell;
  TLightLabel Link{&Main, Shell};
  std::vector<std::string> Log;
};

TEST_F(LightLabelTest, ConstructedWithTheDefaultLookInTheToolkitsFont) {
  TLightLabel fresh(&Main, Shell);
  EXPECT_EQ(fresh.Color(), kColorBtnFace);
  EXPECT_EQ(Look(fresh), "default");
  EXPECT_EQ(fresh.Font().Attributes().Color, kColorBlue);
  EXPECT_EQ(fresh.Font().Attributes().Name, DefaultFontAttributes().Name);
  EXPECT_EQ(fresh.Font().Attributes().Height, DefaultFontAttributes().Height);
  EXPECT_EQ(fresh.JumpType(), TJumpType::jtCust);
}

TEST_F(LightLabelTest, LeftClickOpensTheTargetBeforeOnClickAndLooksFollowTheEvents) {
  Mouse(WM_MOUSEMOVE, 30, 25);
  Mouse(WM_MOUSEMOVE, 25, 25);
  Mouse(WM_LBUTTONDOWN, 25, 25);
  Mouse(WM_LBUTTONUP, 25, 25);
  Mouse(WM_MOUSEMOVE, 200, 150);
  EXPECT_EQ(Log, (std::vector<std::string>{"enter:light:0", "down:light:0", "click:click:1",
                                           "up:click:1", "leave:default:1"}));
  EXPECT_EQ(Shell.Opened, std::vector<std::string>{"mailto:a@example.com"});
}

TEST_F(LightLabelTest, PressMoveOffAndReleaseOpensNothingAndLeavesOnceWhileCaptured) {
  Mouse(WM_MOUSEMOVE, 30, 25);
  Mouse(WM_LBUTTONDOWN, 30, 25);
  Mouse(WM_MOUSEMOVE, 200, 150);
  Mouse(WM_MOUSEMOVE, 210, 160);
  Mouse(WM_MOUSEMOVE, 25, 25);  // back over it, still captured
  Mouse(WM_MOUSEMOVE, 250, 10);
  Mouse(WM_LBUTTONUP, 250, 10);
  EXPECT_EQ(Log, (std::vector<std::string>{"enter:light:0", "down:light:0", "leave:default:0",
                                           "enter:light:0", "leave:default:0", "up:default:0"}));
  EXPECT_EQ(Look(Link), "default");
  EXPECT_TRUE(Shell.Opened.empty());
}

TEST_F(LightLabelTest, DoubleClickOpensOnceWithLooksClickLightClickLight) {
  std::vector<std::string> looks;
  Mouse(WM_MOUSEMOVE, 30, 25);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
    Mouse(message, 30, 25);
    looks.push_back(Look(Link));
  }
  EXPECT_EQ(looks, (std::vector<std::string>{"click", "light", "click", "light"}));
  EXPECT_EQ(Shell.Opened.size(), 1u);
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "dblclick:light:1"), 1);
  EXPECT_EQ(std::count_if(Log.begin(), Log.end(),
                          [](const std::string& e) { return e.rfind("click:", 0) == 0; }),
            1);
}

TEST_F(LightLabelTest, RightAndMiddlePressesShowTheClickLookAndOpenNothing) {
  Mouse(WM_MOUSEMOVE, 30, 25);
  for (auto [down, up] :
       {std::pair{WM_RBUTTONDOWN, WM_RBUTTONUP}, std::pair{WM_MBUTTONDOWN, WM_MBUTTONUP}}) {
    Mouse(down, 30, 25);
    EXPECT_EQ(Look(Link), "click");
    Mouse(up, 30, 25);
    EXPECT_EQ(Look(Link), "light");
  }
  EXPECT_TRUE(Shell.Opened.empty());
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "click:light:0"), 0);
}

TEST_F(LightLabelTest, LookSettingsOnTheFontObjectsShowFromTheNextLeave) {
  // As the about window sets its links: the own font underlined, the
  // default look without underline, set on the font objects directly.
  TFontAttributes underlined = Link.Font().Attributes();
  underlined.Style = kFontUnderline;
  Link.Font().Assign(underlined);
  Link.DefaultFont().Style = 0;
  EXPECT_EQ(Look(Link), "light");
  Mouse(WM_MOUSEMOVE, 30, 25);
  Mouse(WM_MOUSEMOVE, 200, 150);
  EXPECT_EQ(Look(Link), "default");
}

TEST_F(LightLabelTest, ProgramShellOpensFromTheProgramsFolderOwnedByTheApplication) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  EXPECT_EQ(ProgramShell().ProgramPath(), path);
  EXPECT_EQ(ProgramShell().ApplicationWindow(), App.Handle());
}

}  // namespace

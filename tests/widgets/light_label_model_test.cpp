// The hyperlink label's look machine against a label part and a shell that
// record what they are asked to show and open.

#include "widgets/light_label_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const TFontAttributes kToolkitFont{"ＭＳ Ｐゴシック", 12, 128, TFontPitch::Default,
                                   kColorWindowText,  0};

// The label part: its current colour and font, and a log of what was shown.
class TRecordingLabel : public TLookTarget {
 public:
  TColor Color = 0xFF00000F;
  TFontAttributes Font = kToolkitFont;
  std::vector<std::string>* Log = nullptr;

  const TFontAttributes& CurrentFont() const override { return Font; }
  void ShowColor(TColor color) override {
    Color = color;
    if (Log) Log->push_back("color");
  }
  void ShowFont(const TFontAttributes& font) override {
    Font = font;
    if (Log) Log->push_back("font");
  }
};

struct TShellCall {
  void* Owner;
  std::string Verb;
  std::string File;
  bool NullParameters;
  std::string Directory;
  int Show;
};

class TRecordingShell : public TLinkShell {
 public:
  std::string Path = "C:\\Program Files\\zuno\\zunoseek.exe";
  void* Window = reinterpret_cast<void*>(0x1234);
  std::vector<TShellCall> Calls;

  std::string ProgramPath() override { return Path; }
  void* ApplicationWindow() override { return Window; }
  void Execute(void* owner, const char* verb, const std::string& file, const char* parameters,
               const std::string& directory, int show) override {
    Calls.push_back({owner, verb, file, parameters == nullptr, directory, show});
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> files;
    for (const TShellCall& call : Calls) files.push_back(call.File);
    return files;
  }
};

class LightLabelModel : public ::testing::Test {
 protected:
  TRecordingLabel Label;
  TRecordingShell Shell;
  TLightLabelModel Model{Label, Shell, kToolkitFont};

  bool Shows(TColor color, const TFontAttributes& font) const {
    return Label.Color == color && Label.Font == font;
  }
  TFontAttributes Font(TColor color, TFontStyles style) const {
    TFontAttributes font = kToolkitFont;
    font.Color = color;
    font.Style = style;
    return font;
  }
};

TEST_F(LightLabelModel, ConstructionValuesAndDefaultLook) {
  EXPECT_EQ(Model.LightColor(), kColorBtnFace);
  EXPECT_EQ(Model.LightFont(), Font(kColorBlue, kFontUnderline));
  EXPECT_TRUE(Model.LightEnabled());
  EXPECT_EQ(Model.DefaultColor(), kColorBtnFace);
  EXPECT_EQ(Model.DefaultFont(), Font(kColorBlue, 0));
  EXPECT_TRUE(Model.DefaultEnabled());
  EXPECT_EQ(Model.ClickColor(), kColorBtnFace);
  EXPECT_EQ(Model.ClickFont(), Font(kColorRed, 0));
  EXPECT_TRUE(Model.ClickEnabled());
  EXPECT_EQ(Model.JumpType(), TJumpType::jtCust);
  EXPECT_EQ(Model.JumpTo(), "");
  EXPECT_FALSE(Model.OnMouseEnter);
  EXPECT_FALSE(Model.OnMouseLeave);
  // Blue without underline, in the face and height of the label's own font.
  EXPECT_TRUE(Shows(kColorBtnFace, Font(kColorBlue, 0)));
}

TEST(LightLabelModelFonts, LookFontsFollowTheLabelsFontAndTheToolkitsNewFont) {
  TRecordingLabel label;
  label.Font = {"Arial", 19, 0, TFontPitch::Variable, kColorWindowText, kFontBold | kFontItalic};
  TRecordingShell shell;
  const TFontAttributes newFont{"MS Sans Serif", 11, 1, TFontPitch::Default, kColorWindowText, 0};
  TLightLabelModel model(label, shell, newFont);
  EXPECT_EQ(model.LightFont().Name, "MS Sans Serif");
  EXPECT_EQ(model.LightFont().Height, 11);
  EXPECT_EQ(model.DefaultFont().Name, "Arial");
  EXPECT_EQ(model.DefaultFont().Pitch, TFontPitch::Variable);
  EXPECT_EQ(model.DefaultFont().Style, 0);
  // The click font is taken from the label after the default look was applied.
  EXPECT_EQ(model.ClickFont().Name, "Arial");
  EXPECT_EQ(model.ClickFont().Height, 19);
  EXPECT_EQ(model.ClickFont().Color, kColorRed);
}

// Which look each event leaves, for every combination of the enabled flags.
struct TLookCase {
  const char* Name;
  bool Light, Default, Click;
  std::vector<char> Events;  // e enter, l leave, d press, u release
  char Expected;             // L light, D default, C click, S start look unchanged
};

class LookTable : public LightLabelModel, public ::testing::WithParamInterface<TLookCase> {};

TEST_P(LookTable, EventsLeaveTheLook) {
  const TLookCase& c = GetParam();
  // Distinct colours so that the looks cannot be mistaken for each other.
  Model.SetLightColor(1);
  Model.SetClickColor(3);
  Model.SetDefaultColor(2);
  Model.SetLightEnabled(c.Light);
  Model.SetDefaultEnabled(c.Default);
  Model.SetClickEnabled(c.Click);
  for (char e : c.Events) {
    if (e == 'e') Model.PointerEntered();
    if (e == 'l') Model.PointerLeft();
    if (e == 'd') Model.ButtonPressed();
    if (e == 'u') Model.ButtonReleased();
  }
  switch (c.Expected) {
    case 'L':
      EXPECT_TRUE(Shows(1, Model.LightFont()));
      break;
    case 'D':
      EXPECT_TRUE(Shows(2, Model.DefaultFont()));
      break;
    case 'C':
      EXPECT_TRUE(Shows(3, Model.ClickFont()));
      break;
    default:
      EXPECT_TRUE(Shows(2, Model.DefaultFont()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Events, LookTable,
    ::testing::Values(
        TLookCase{"Enter", true, true, true, {'e'}, 'L'},
        TLookCase{"EnterLeave", true, true, true, {'e', 'l'}, 'D'},
        TLookCase{"Press", true, true, true, {'e', 'd'}, 'C'},
        TLookCase{"ReleaseOver", true, true, true, {'e', 'd', 'u'}, 'L'},
        TLookCase{"PressLeaveRelease", true, true, true, {'e', 'd', 'l', 'u'}, 'D'},
        TLookCase{"PressLeaveStillDown", true, true, true, {'e', 'd', 'l'}, 'D'},
        TLookCase{"LightOffEnter", false, true, true, {'e'}, 'S'},
        TLookCase{"LightOffReleaseOver", false, true, true, {'e', 'd', 'u'}, 'L'},
        TLookCase{"DefaultOffLeaveKeepsLight", true, false, true, {'e', 'l'}, 'L'},
        TLookCase{"DefaultOffReleaseAwayDefault", true, false, true, {'e', 'd', 'l', 'u'}, 'D'},
        TLookCase{"ClickOffPressNothing", true, true, false, {'e', 'd'}, 'L'},
        TLookCase{"ClickOffReleaseLight", true, true, false, {'e', 'd', 'u'}, 'L'},
        TLookCase{"DoubleClickEndsLight", true, true, true, {'e', 'd', 'u', 'd', 'u'}, 'L'}),
    [](const auto& test) { return std::string(test.param.Name); });

TEST_F(LightLabelModel, HandlersRunAfterTheLookIsApplied) {
  std::vector<std::string> log;
  Label.Log = &log;
  Model.OnMouseEnter = [&] {
    log.push_back(Label.Font.Style == kFontUnderline ? "enter:light" : "enter");
  };
  Model.OnMouseLeave = [&] { log.push_back(Label.Font.Style == 0 ? "leave:default" : "leave"); };
  Model.PointerEntered();
  Model.PointerLeft();
  EXPECT_EQ(log, (std::vector<std::string>{"color", "font", "enter:light", "color", "font",
                                           "leave:default"}));
}

TEST_F(LightLabelModel, HandlersRunAlsoWhenTheLookIsDisabled) {
  int enters = 0, leaves = 0;
  Model.OnMouseEnter = [&] { ++enters; };
  Model.OnMouseLeave = [&] { ++leaves; };
  Model.SetLightEnabled(false);
  Model.SetDefaultEnabled(false);
  Model.PointerEntered();
  Model.PointerLeft();
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);
}

TEST_F(LightLabelModel, DefaultColorSetterShowsOnlyAChangedValueWhileEnabled) {
  std::vector<std::string> log;
  Label.Log = &log;
  Model.PointerEntered();
  log.clear();
  Model.SetDefaultColor(kColorBtnFace);  // same value: nothing at all
  EXPECT_TRUE(log.empty());
  Model.SetDefaultColor(0x00123456);  // shown at once, whatever look was showing
  EXPECT_EQ(log, std::vector<std::string>{"color"});
  EXPECT_EQ(Label.Color, 0x00123456u);
  Model.SetDefaultEnabled(false);
  Model.SetDefaultColor(0x00654321);
  EXPECT_EQ(Model.DefaultColor(), 0x00654321u);
  EXPECT_EQ(Label.Color, 0x00123456u);
}

TEST_F(LightLabelModel, DefaultFontSetterCopiesAndShowsWhileEnabled) {
  TFontAttributes given = Font(kColorRed, kFontItalic);
  given.Name = "Arial";
  Model.PointerEntered();
  Model.SetDefaultFont(given);
  EXPECT_EQ(Model.DefaultFont(), given);
  EXPECT_EQ(Label.Font, given);
  EXPECT_NE(&Model.DefaultFont(), &given);  // the caller keeps its font
  Model.SetDefaultEnabled(false);
  given.Height = 30;
  Model.SetDefaultFont(given);
  EXPECT_EQ(Model.DefaultFont().Height, 30);
  EXPECT_EQ(Label.Font.Height, 12);
}

TEST_F(LightLabelModel, GivingALookItsOwnFontChangesNothing) {
  std::vector<std::string> log;
  Label.Log = &log;
  Model.PointerEntered();
  log.clear();
  const TFontAttributes light = Model.LightFont(), def = Model.DefaultFont(),
                        click = Model.ClickFont();
  Model.SetLightFont(Model.LightFont());
  Model.SetDefaultFont(Model.DefaultFont());
  Model.SetClickFont(Model.ClickFont());
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(Model.LightFont(), light);
  EXPECT_EQ(Model.DefaultFont(), def);
  EXPECT_EQ(Model.ClickFont(), click);
  EXPECT_TRUE(Shows(kColorBtnFace, light));
}

TEST_F(LightLabelModel, ChangesThroughTheFontObjectsTouchOnlyTheStoredLook) {
  std::vector<std::string> log;
  Label.Log = &log;
  Model.DefaultFont().Color = kColorRed;
  Model.DefaultFont().Style = kFontUnderline;
  Model.LightFont().Height = 20;
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(Label.Font, Font(kColorBlue, 0));
  Model.PointerEntered();
  EXPECT_EQ(Label.Font.Height, 20);
  Model.PointerLeft();
  EXPECT_EQ(Label.Font, Font(kColorRed, kFontUnderline));
}

TEST_F(LightLabelModel, LightLookChangesShowAtTheNextEntryOrRelease) {
  Model.PointerEntered();
  Model.SetLightColor(0x00010203);
  TFontAttributes bigger = Model.LightFont();
  bigger.Height = 24;
  Model.SetLightFont(bigger);
  EXPECT_TRUE(Shows(kColorBtnFace, Font(kColorBlue, kFontUnderline)));
  Model.ButtonPressed();
  Model.ButtonReleased();
  EXPECT_TRUE(Shows(0x00010203, bigger));
}

// Every jump type with empty and non-empty JumpTo and caption.
struct TJumpCase {
  TJumpType Type;
  const char* JumpTo;
  const char* Caption;
  std::vector<std::string> Opened;
};

class JumpTable : public LightLabelModel, public ::testing::WithParamInterface<TJumpCase> {};

TEST_P(JumpTable, OpensTheTargets) {
  const TJumpCase& c = GetParam();
  Model.SetJumpType(c.Type);
  Model.SetJumpTo(c.JumpTo);
  Model.Jump(c.Caption);
  EXPECT_EQ(Shell.Files(), c.Opened);
}

INSTANTIATE_TEST_SUITE_P(
    Types, JumpTable,
    ::testing::Values(
        TJumpCase{TJumpType::jtNone, "x@example.com", "cap", {}},
        TJumpCase{TJumpType::jtCust, "http://example.com/a b", "cap", {"http://example.com/a b"}},
        TJumpCase{TJumpType::jtCust, "", "cap", {}},
        TJumpCase{TJumpType::jtHome, " http://example.com/ ", "", {" http://example.com/ "}},
        TJumpCase{TJumpType::jtHome, "", "", {}},
        TJumpCase{TJumpType::jtMail, "a@example.com", "", {"mailto:a@example.com"}},
        TJumpCase{TJumpType::jtMail, "mailto:a@example.com", "", {"mailto:mailto:a@example.com"}},
        TJumpCase{TJumpType::jtMail, "", "cap", {}},
        TJumpCase{
            TJumpType::jtFile, "C:\\My Docs\\表ソ能.txt", "", {"file:///C:\\My Docs\\表ソ能.txt"}},
        TJumpCase{TJumpType::jtFile, "", "", {}},
        TJumpCase{TJumpType::jtCaption, "", "&Open me", {"&Open me"}},
        TJumpCase{TJumpType::jtCaption, "ignored", "cap", {"cap"}},
        TJumpCase{TJumpType::jtCaption, "ignored", "", {}}));

TEST_F(LightLabelModel, OpenTargetHandsTheShellItsFixedArguments) {
  Model.SetJumpType(TJumpType::jtHome);
  Model.SetJumpTo("http://example.com/");
  Model.Jump("");
  ASSERT_EQ(Shell.Calls.size(), 1u);
  const TShellCall& call = Shell.Calls[0];
  EXPECT_EQ(call.Owner, Shell.Window);
  EXPECT_EQ(call.Verb, "Open");
  EXPECT_TRUE(call.NullParameters);
  EXPECT_EQ(call.Directory, "C:\\Program Files\\zuno\\");
  EXPECT_EQ(call.Show, 5);
}

}  // namespace

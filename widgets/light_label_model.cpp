#include "widgets/light_label_model.h"

#include "platform/program_directory.h"

#include <vector>

namespace {

constexpr int kShowWindow = 5;  // SW_SHOW

// The targets that one Jump opens, in order. Nothing is tested or encoded:
// the prefixes go in front unconditionally.
std::vector<std::string> JumpTargets(TJumpType type, const std::string& jumpTo,
                                     const std::string& caption) {
  std::vector<std::string> targets;
  if (!jumpTo.empty()) {
    switch (type) {
      case TJumpType::jtCust:
      case TJumpType::jtHome:
        targets.push_back(jumpTo);
        break;
      case TJumpType::jtMail:
        targets.push_back("mailto:" + jumpTo);
        break;
      case TJumpType::jtFile:
        targets.push_back("file:///" + jumpTo);
        break;
      case TJumpType::jtNone:
      case TJumpType::jtCaption:
        break;
    }
  }
  if (type == TJumpType::jtCaption && !caption.empty()) targets.push_back(caption);
  return targets;
}

}  // namespace

void OpenTarget(TLinkShell& shell, const std::string& target) {
  shell.Execute(shell.ApplicationWindow(), "Open", target, nullptr,
                ProgramDirectory(shell.ProgramPath()), kShowWindow);
}

TLightLabelModel::TLightLabelModel(TLookTarget& target, TLinkShell& shell,
                                   const TFontAttributes& newFont)
    : FTarget(target), FShell(shell) {
  FLightFont = newFont;
  FLightFont.Color = kColorBlue;
  FLightFont.Style = kFontUnderline;
  FDefaultFont = FTarget.CurrentFont();
  FDefaultFont.Color = kColorBlue;
  FDefaultFont.Style = 0;
  ApplyLook(FDefaultColor, FDefaultFont);
  // Taken after the default look, so it is the default font in red.
  FClickFont = FTarget.CurrentFont();
  FClickFont.Color = kColorRed;
  FClickFont.Style = 0;
}

void TLightLabelModel::SetLightFont(const TFontAttributes& font) {
  if (&font != &FLightFont) FLightFont = font;
}

void TLightLabelModel::SetDefaultColor(TColor color) {
  if (color == FDefaultColor) return;
  FDefaultColor = color;
  if (FDefaultEnabled) FTarget.ShowColor(color);
}

void TLightLabelModel::SetDefaultFont(const TFontAttributes& font) {
  if (&font == &FDefaultFont) return;
  FDefaultFont = font;
  if (FDefaultEnabled) FTarget.ShowFont(FDefaultFont);
}

void TLightLabelModel::SetClickFont(const TFontAttributes& font) {
  if (&font != &FClickFont) FClickFont = font;
}

void TLightLabelModel::PointerEntered() {
  FPointerOver = true;
  if (FLightEnabled) ApplyLightLook();
  if (OnMouseEnter) OnMouseEnter();
}

void TLightLabelModel::PointerLeft() {
  FPointerOver = false;
  if (FDefaultEnabled) ApplyDefaultLook();
  if (OnMouseLeave) OnMouseLeave();
}

void TLightLabelModel::ButtonPressed() {
  if (FClickEnabled) ApplyLook(FClickColor, FClickFont);
}

void TLightLabelModel::ButtonReleased() {
  if (FPointerOver) {
    ApplyLightLook();
  } else {
    ApplyDefaultLook();
  }
}

void TLightLabelModel::Jump(const std::string& caption) {
  for (const std::string& target : JumpTargets(FJumpType, FJumpTo, caption)) {
    OpenTarget(FShell, target);
  }
}

void TLightLabelModel::ApplyLightLook() { ApplyLook(FLightColor, FLightFont); }

void TLightLabelModel::ApplyDefaultLook() { ApplyLook(FDefaultColor, FDefaultFont); }

void TLightLabelModel::ApplyLook(TColor color, const TFontAttributes& font) {
  FTarget.ShowColor(color);
  FTarget.ShowFont(font);
}

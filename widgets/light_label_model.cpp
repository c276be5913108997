#include "widgets/light_label_model.h"

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

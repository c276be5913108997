#pragma once
// TLightLabel: a label that behaves as a hyperlink. It shows its default,
// light or click look as the pointer passes and presses, and opens its target
// through the shell when clicked. The look machine is TLightLabelModel.

#include "widgets/label.h"
#include "widgets/light_label_model.h"

#include <functional>
#include <string>

class TLightLabel : public TLabel {
 public:
  explicit TLightLabel(TWinControl* parent);
  // With another shell, for tests.
  TLightLabel(TWinControl* parent, TLinkShell& shell);

  TColor LightColor() const { return FLooks.LightColor(); }
  void SetLightColor(TColor color) { FLooks.SetLightColor(color); }
  TFontAttributes& LightFont() { return FLooks.LightFont(); }
  void SetLightFont(const TFontAttributes& font) { FLooks.SetLightFont(font); }
  bool LightEnabled() const { return FLooks.LightEnabled(); }
  void SetLightEnabled(bool enabled) { FLooks.SetLightEnabled(enabled); }
  TColor DefaultColor() const { return FLooks.DefaultColor(); }
  void SetDefaultColor(TColor color) { FLooks.SetDefaultColor(color); }
  TFontAttributes& DefaultFont() { return FLooks.DefaultFont(); }
  void SetDefaultFont(const TFontAttributes& font) { FLooks.SetDefaultFont(font); }
  bool DefaultEnabled() const { return FLooks.DefaultEnabled(); }
  void SetDefaultEnabled(bool enabled) { FLooks.SetDefaultEnabled(enabled); }
  TColor ClickColor() const { return FLooks.ClickColor(); }
  void SetClickColor(TColor color) { FLooks.SetClickColor(color); }
  TFontAttributes& ClickFont() { return FLooks.ClickFont(); }
  void SetClickFont(const TFontAttributes& font) { FLooks.SetClickFont(font); }
  bool ClickEnabled() const { return FLooks.ClickEnabled(); }
  void SetClickEnabled(bool enabled) { FLooks.SetClickEnabled(enabled); }
  TJumpType JumpType() const { return FLooks.JumpType(); }
  void SetJumpType(TJumpType type) { FLooks.SetJumpType(type); }
  const std::string& JumpTo() const { return FLooks.JumpTo(); }
  void SetJumpTo(const std::string& jumpTo) { FLooks.SetJumpTo(jumpTo); }
  // Raised once per passage of the pointer, with the label as sender.
  std::function<void(TLightLabel&)> OnMouseEnter;
  std::function<void(TLightLabel&)> OnMouseLeave;

  void Jump() { FLooks.Jump(Caption()); }
  void OpenTarget(const std::string& target) { ::OpenTarget(FShell, target); }
  void ApplyLightLook() { FLooks.ApplyLightLook(); }
  void ApplyDefaultLook() { FLooks.ApplyDefaultLook(); }

 protected:
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(TMouseButton button, int x, int y) override;
  void MouseUp(TMouseButton button, int x, int y) override;
  void Click() override;

 private:
  // The label part as the look machine sees it.
  class TLabelPart : public TLookTarget {
   public:
    explicit TLabelPart(TLabel& label);
    const TFontAttributes& CurrentFont() const override { return FLabel.Font().Attributes(); }
    void ShowColor(TColor color) override { FLabel.SetColor(color); }
    void ShowFont(const TFontAttributes& font) override { FLabel.Font().Assign(font); }

   private:
    TLabel& FLabel;
  };

  TLinkShell& FShell;
  TLabelPart FPart{*this};
  TLightLabelModel FLooks;
};

// The shell of the running program: ShellExecuteA, owned by the
// application's hidden window.
TLinkShell& ProgramShell();

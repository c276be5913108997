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

  TColor LightColor() const { return Looks.LightColor(); }
  void SetLightColor(TColor color) { Looks.SetLightColor(color); }
  TFontAttributes& LightFont() { return Looks.LightFont(); }
  void SetLightFont(const TFontAttributes& font) { Looks.SetLightFont(font); }
  bool LightEnabled() const { return Looks.LightEnabled(); }
  void SetLightEnabled(bool enabled) { Looks.SetLightEnabled(enabled); }
  TColor DefaultColor() const { return Looks.DefaultColor(); }
  void SetDefaultColor(TColor color) { Looks.SetDefaultColor(color); }
  TFontAttributes& DefaultFont() { return Looks.DefaultFont(); }
  void SetDefaultFont(const TFontAttributes& font) { Looks.SetDefaultFont(font); }
  bool DefaultEnabled() const { return Looks.DefaultEnabled(); }
  void SetDefaultEnabled(bool enabled) { Looks.SetDefaultEnabled(enabled); }
  TColor ClickColor() const { return Looks.ClickColor(); }
  void SetClickColor(TColor color) { Looks.SetClickColor(color); }
  TFontAttributes& ClickFont() { return Looks.ClickFont(); }
  void SetClickFont(const TFontAttributes& font) { Looks.SetClickFont(font); }
  bool ClickEnabled() const { return Looks.ClickEnabled(); }
  void SetClickEnabled(bool enabled) { Looks.SetClickEnabled(enabled); }
  TJumpType JumpType() const { return Looks.JumpType(); }
  void SetJumpType(TJumpType type) { Looks.SetJumpType(type); }
  const std::string& JumpTo() const { return Looks.JumpTo(); }
  void SetJumpTo(const std::string& jumpTo) { Looks.SetJumpTo(jumpTo); }
  // Raised once per passage of the pointer, with the label as sender.
  std::function<void(TLightLabel&)> OnMouseEnter;
  std::function<void(TLightLabel&)> OnMouseLeave;

  void Jump() { Looks.Jump(Caption()); }
  void OpenTarget(const std::string& target) { ::OpenTarget(Shell, target); }
  void ApplyLightLook() { Looks.ApplyLightLook(); }
  void ApplyDefaultLook() { Looks.ApplyDefaultLook(); }

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
    const TFontAttributes& CurrentFont() const override { return Label.Font().Attributes(); }
    void ShowColor(TColor color) override { Label.SetColor(color); }
    void ShowFont(const TFontAttributes& font) override { Label.Font().Assign(font); }

   private:
    TLabel& Label;
  };

  TLinkShell& Shell;
  TLabelPart Part{*this};
  TLightLabelModel Looks;
};

// The shell of the running program: ShellExecuteA, owned by the
// application's hidden window.
TLinkShell& ProgramShell();

#pragma once
// The hyperlink label's properties, its three looks, the steps it adds to the
// label's pointer and button notifications, and what a click opens. Plain
// logic: the control that shows the looks and the shell that opens targets
// are passed in.

#include "widgets/color_and_font.h"

#include <cstdint>
#include <functional>
#include <string>

enum class TJumpType : std::uint8_t { jtNone, jtCust, jtHome, jtMail, jtFile, jtCaption };

// The shell as the label uses it; Win32 passes the call to ShellExecuteA.
class TLinkShell {
 public:
  virtual ~TLinkShell() = default;
  // The full path of the running program file.
  virtual std::string ProgramPath() = 0;
  // The application object's hidden top-level window.
  virtual void* ApplicationWindow() = 0;
  virtual void Execute(void* owner, const char* verb, const std::string& file,
                       const char* parameters, const std::string& directory, int show) = 0;
};

// Opens one target with the verb "Open", no parameters and the program's own
// directory; the result is ignored.
void OpenTarget(TLinkShell& shell, const std::string& target);

// The label part of the control: what it currently shows.
class TLookTarget {
 public:
  virtual ~TLookTarget() = default;
  virtual const TFontAttributes& CurrentFont() const = 0;
  virtual void ShowColor(TColor color) = 0;
  // Copies the attributes into the control's font, resizes and repaints.
  virtual void ShowFont(const TFontAttributes& font) = 0;
};

class TLightLabelModel {
 public:
  // The target is the label part, already constructed with its own defaults;
  // newFont is what the toolkit gives a new font.
  TLightLabelModel(TLookTarget& target, TLinkShell& shell, const TFontAttributes& newFont);
  TLightLabelModel(const TLightLabelModel&) = delete;
  TLightLabelModel& operator=(const TLightLabelModel&) = delete;

  TColor LightColor() const { return FLightColor; }
  void SetLightColor(TColor color) { FLightColor = color; }
  // The owned font objects: attribute changes through them touch only the look.
  TFontAttributes& LightFont() { return FLightFont; }
  void SetLightFont(const TFontAttributes& font);
  bool LightEnabled() const { return FLightEnabled; }
  void SetLightEnabled(bool enabled) { FLightEnabled = enabled; }

  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor color);
  TFontAttributes& DefaultFont() { return FDefaultFont; }
  void SetDefaultFont(const TFontAttributes& font);
  bool DefaultEnabled() const { return FDefaultEnabled; }
  void SetDefaultEnabled(bool enabled) { FDefaultEnabled = enabled; }

  TColor ClickColor() const { return FClickColor; }
  void SetClickColor(TColor color) { FClickColor = color; }
  TFontAttributes& ClickFont() { return FClickFont; }
  void SetClickFont(const TFontAttributes& font);
  bool ClickEnabled() const { return FClickEnabled; }
  void SetClickEnabled(bool enabled) { FClickEnabled = enabled; }

  TJumpType JumpType() const { return FJumpType; }
  void SetJumpType(TJumpType type) { FJumpType = type; }
  const std::string& JumpTo() const { return FJumpTo; }
  void SetJumpTo(const std::string& jumpTo) { FJumpTo = jumpTo; }

  // Bound by the control to its handlers, which pass the control as sender.
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;

  // Steps run after the label's own handling of each notification.
  void PointerEntered();
  void PointerLeft();
  void ButtonPressed();
  void ButtonReleased();
  // Opens what the jump type names; the control then raises OnClick.
  void Jump(const std::string& caption);

  void ApplyLightLook();
  void ApplyDefaultLook();

 private:
  void ApplyLook(TColor color, const TFontAttributes& font);

  TLookTarget& FTarget;
  TLinkShell& FShell;
  TColor FLightColor = kColorBtnFace;
  TFontAttributes FLightFont;
  bool FLightEnabled = true;
  TColor FDefaultColor = kColorBtnFace;
  TFontAttributes FDefaultFont;
  bool FDefaultEnabled = true;
  TColor FClickColor = kColorBtnFace;
  TFontAttributes FClickFont;
  bool FClickEnabled = true;
  TJumpType FJumpType = TJumpType::jtCust;
  std::string FJumpTo;
  bool FPointerOver = false;
};

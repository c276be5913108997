#include "widgets/light_label.h"

#include "platform/program_path.h"
#include "platform/system_library.h"
#include "widgets/application.h"

namespace {

class TWin32LinkShell : public TLinkShell {
 public:
  std::string ProgramPath() override { return ::ProgramPath(); }
  void* ApplicationWindow() override {
    return Application != nullptr ? Application->Handle() : nullptr;
  }
  void Execute(void* owner, const char* verb, const std::string& file, const char* parameters,
               const std::string& directory, int show) override {
    Win32ShellExecute(static_cast<HWND>(owner), verb, file.c_str(), parameters, directory.c_str(),
                      show);
  }
};

}  // namespace

TLinkShell& ProgramShell() {
  static TWin32LinkShell shell;
  return shell;
}

TLightLabel::TLabelPart::TLabelPart(TLabel& label) : FLabel(label) {
  // A control under construction has no parent font yet: the look fonts start
  // from the toolkit's default font, not from the form's.
  FLabel.Font().Assign(DefaultFontAttributes());
}

TLightLabel::TLightLabel(TWinControl* parent) : TLightLabel(parent, ProgramShell()) {}

TLightLabel::TLightLabel(TWinControl* parent, TLinkShell& shell)
    : TLabel(parent), FShell(shell), FLooks(FPart, FShell, DefaultFontAttributes()) {
  FLooks.OnMouseEnter = [this] {
    if (OnMouseEnter) OnMouseEnter(*this);
  };
  FLooks.OnMouseLeave = [this] {
    if (OnMouseLeave) OnMouseLeave(*this);
  };
}

void TLightLabel::MouseEnter() {
  TLabel::MouseEnter();
  FLooks.PointerEntered();
}

void TLightLabel::MouseLeave() {
  TLabel::MouseLeave();
  FLooks.PointerLeft();
}

void TLightLabel::MouseDown(TMouseButton button, int x, int y) {
  TLabel::MouseDown(button, x, y);
  FLooks.ButtonPressed();
}

void TLightLabel::MouseUp(TMouseButton button, int x, int y) {
  TLabel::MouseUp(button, x, y);
  FLooks.ButtonReleased();
}

void TLightLabel::Click() {
  Jump();
  TLabel::Click();
}

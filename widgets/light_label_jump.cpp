#include "widgets/light_label_jump.h"

#include "platform/program_directory.h"

namespace {

constexpr int kShowWindow = 5;  // SW_SHOW

}  // namespace

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

void OpenTarget(TLinkShell& shell, const std::string& target) {
  shell.Execute(shell.ApplicationWindow(), "Open", target, nullptr,
                ProgramDirectory(shell.ProgramPath()), kShowWindow);
}

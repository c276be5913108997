#include "widgets/light_label_jump.h"

#include "encoding/shift_jis.h"

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

std::string ProgramDirectory(const std::string& programPath) {
  std::size_t end = 0;
  for (std::size_t i = 0; i < programPath.size(); ++i) {
    const char c = programPath[i];
    if (IsShiftJisLead(static_cast<unsigned char>(c)) && i + 1 < programPath.size()) {
      ++i;
    } else if (c == '\\' || c == '/' || c == ':') {
      end = i + 1;
    }
  }
  return programPath.substr(0, end);
}

void OpenTarget(TLinkShell& shell, const std::string& target) {
  shell.Execute(shell.ApplicationWindow(), "Open", target, nullptr,
                ProgramDirectory(shell.ProgramPath()), kShowWindow);
}

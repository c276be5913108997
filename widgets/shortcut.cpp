#include "widgets/shortcut.h"

namespace {

// Virtual-key codes of the keys that have a name of their own.
constexpr std::uint8_t kBack = 0x08, kTab = 0x09, kReturn = 0x0D, kEscape = 0x1B, kSpace = 0x20,
                       kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24, kLeft = 0x25,
                       kUp = 0x26, kRight = 0x27, kDown = 0x28, kInsert = 0x2D, kDelete = 0x2E,
                       kF1 = 0x70, kF24 = 0x87;

std::string KeyName(std::uint8_t key) {
  switch (key) {
    case kBack:
      return "BkSp";
    case kTab:
      return "Tab";
    case kReturn:
      return "Enter";
    case kEscape:
      return "Esc";
    case kSpace:
      return "Space";
    case kPrior:
      return "PgUp";
    case kNext:
      return "PgDn";
    case kEnd:
      return "End";
    case kHome:
      return "Home";
    case kLeft:
      return "Left";
    case kUp:
      return "Up";
    case kRight:
      return "Right";
    case kDown:
      return "Down";
    case kInsert:
      return "Ins";
    case kDelete:
      return "Del";
    default:
      break;
  }
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
  if (key >= kF1 && key <= kF24) {
    std::string name("F");
    name.append(std::to_string(key - kF1 + 1));
    return name;
  }
  return {};
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
  const std::string name = KeyName(static_cast<std::uint8_t>(shortCut & 0xFF));
  if (name.empty()) return {};
  std::string text;
  if (shortCut & kShortCutShift) text.append("Shift+");
  if (shortCut & kShortCutCtrl) text.append("Ctrl+");
  if (shortCut & kShortCutAlt) text.append("Alt+");
  text.append(name);
  return text;
}

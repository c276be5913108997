#pragma once
// Menu shortcuts: a virtual-key code with the Shift, Ctrl and Alt state.

#include <cstdint>
#include <string>

using TShortCut = std::uint16_t;

inline constexpr TShortCut kShortCutShift = 0x2000;
inline constexpr TShortCut kShortCutCtrl = 0x4000;
inline constexpr TShortCut kShortCutAlt = 0x8000;

// The shortcut of a key with the given modifiers; 0 stands for none.
constexpr TShortCut MakeShortCut(std::uint8_t virtualKey, TShortCut modifiers = 0) {
  return static_cast<TShortCut>(virtualKey | modifiers);
}

// How a menu shows the shortcut beside the caption: "Ctrl+Z", "Esc", "F10".
std::string ShortCutToText(TShortCut shortCut);

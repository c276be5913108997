#pragma once
// The toolkit's colours and font attributes, as every control, the viewers'
// printing and the hyperlink label's look machine use them; free of window
// code so that the look machine builds and is tested natively.

#include <cstdint>
#include <string>

// The toolkit's colour: 0x00BBGGRR, or 0xFF000000 plus a system colour index.
using TColor = std::uint32_t;

inline constexpr TColor kColorBtnFace = 0xFF00000F;
inline constexpr TColor kColorWindowText = 0xFF000008;
inline constexpr TColor kColorBlue = 0x00FF0000;
inline constexpr TColor kColorRed = 0x000000FF;

// Bit set of bold, italic, underline and strike-out.
using TFontStyles = std::uint8_t;
inline constexpr TFontStyles kFontBold = 1;
inline constexpr TFontStyles kFontItalic = 2;
inline constexpr TFontStyles kFontUnderline = 4;
inline constexpr TFontStyles kFontStrikeOut = 8;

enum class TFontPitch : std::uint8_t { Default, Fixed, Variable };

// Everything that copying a font copies. Height is the character height in
// pixels, without the internal leading.
struct TFontAttributes {
  std::string Name;
  int Height = 0;
  std::uint8_t Charset = 0;
  TFontPitch Pitch = TFontPitch::Default;
  TColor Color = kColorWindowText;
  TFontStyles Style = 0;

  bool operator==(const TFontAttributes&) const = default;
};

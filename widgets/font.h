#pragma once
// A font as controls hold it: attributes that can be copied, and a Windows
// font made from them when first needed. The font object owns that handle.

#include "widgets/color_and_font.h"

#include <windows.h>

#include <functional>
#include <string>

// What every new font and control starts with: "ＭＳ Ｐゴシック" 12 pixels
// (9 points) in Shift-JIS on a Japanese system, "MS Sans Serif" 11 pixels
// (8 points) elsewhere; window-text colour, regular.
TFontAttributes DefaultFontAttributes();

// Shift-JIS character set, as the Windows headers number it.
inline constexpr std::uint8_t kShiftJisCharset = 128;

class TFont {
 public:
  TFont();
  ~TFont();
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  // Copies every attribute; nothing happens when source is this font.
  void Assign(const TFont& source);
  void Assign(const TFontAttributes& attributes);
  const TFontAttributes& Attributes() const { return FAttributes; }

  void SetColor(TColor color);

  // The Windows font at the screen's resolution, made on first use.
  HFONT Handle() const;

  // Called after every change of an attribute.
  std::function<void()> OnChange;

 private:
  void Changed();

  TFontAttributes FAttributes;
  mutable HFONT FHandle = nullptr;
};

#pragma once
// Breaks Shift-JIS text into printed lines: at its line ends (CR LF, CR or
// LF) and, within a long line, before the first character that does not fit
// the width, never inside a double-byte character.

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

struct TTextLine {
  std::size_t Begin = 0;  // byte offsets; End excludes the line end
  std::size_t End = 0;

  bool operator==(const TTextLine&) const = default;
};

struct TLinesOfPage {
  std::vector<TTextLine> Lines;
  std::size_t Next = 0;  // where the next page begins
};

// The width of a piece of text in the page's units.
using TMeasure = std::function<int(std::string_view)>;

// At most maxLines lines from first on. A line takes at least one character,
// so that a character wider than the page still moves on.
TLinesOfPage LinesOfPage(std::string_view text, std::size_t first, int maxLines, int width,
                         const TMeasure& measure);

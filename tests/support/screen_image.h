#pragma once
// A copy of part of the screen, as a person sees it: pixel colours, and where
// text of a colour is written.

#include <windows.h>

#include <functional>
#include <vector>

namespace testsupport {

struct TRun {
  int First, Last;  // screen coordinates, both inside the run
  int Middle() const { return (First + Last) / 2; }
};

// Black and dark grey: text on a light ground.
bool IsDark(COLORREF color);

class TScreenImage {
 public:
  explicit TScreenImage(const RECT& area);

  int Count(COLORREF color) const;
  // The columns (or rows) that hold a pixel of ink, in runs split where at
  // least `gap` columns (rows) without ink lie between.
  std::vector<TRun> Runs(bool columns, int gap, const std::function<bool(COLORREF)>& ink) const;

 private:
  RECT Area;
  int Width;
  std::vector<COLORREF> Pixels;
};

}  // namespace testsupport

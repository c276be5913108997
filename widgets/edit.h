#pragma once
// A single-line edit field.

#include "widgets/win_control.h"

#include <string>

class TEdit : public TWinControl {
 public:
  explicit TEdit(TWinControl* parent);

  // The field's text; asking makes no window.
  std::string Text() const;
  // Sets the whole text; the field's undo memory is emptied with it.
  void SetText(const std::string& text);
  void SelectAll();
  void Undo();
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
};

// The text of any window.
std::string WindowText(HWND window);

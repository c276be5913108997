#pragma once
// The viewers' read-only rich-text area (Rich Edit 1.0): vertical scroll bar
// only while the text is longer than the area, long lines wrapped, the
// selection hidden without the focus, "ＭＳ ゴシック" 12 pixels for plain text.

#include "widgets/win_control.h"

#include <string>

class TRichEdit : public TWinControl {
 public:
  explicit TRichEdit(TWinControl* parent);

  // Replaces the whole text with the document file's content: as RTF, else as
  // plain text in the system's code page (see document_reading.h for the
  // order). Raises an error with the open error text when the file cannot be
  // opened for reading (also while another program holds it open for
  // writing), and kStreamFailedMessage when neither reading succeeds. The
  // file is closed in every case.
  void LoadFromFile(const std::string& fileName);
  // Prints the whole text on the default printer under this job title.
  void Print(const std::string& jobTitle);

 protected:
  // Loads the library first, then sets the text limit and the plain-text format.
  void CreateWindowHandle() override;
  void FontChanged() override;
  // Asks for neither Tab nor every key: read-only text has no use for a tab,
  // so Tab and Shift+Tab move the focus on to the window's buttons.
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ApplyPlainTextFormat();
};

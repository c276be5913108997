#include "widgets/edit.h"

TEdit::TEdit(TWinControl* parent) : TWinControl(parent) {
  SetTabStop(true);
  CreateChild("EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
}

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string TEdit::Text() const {
  // A window yet to be made starts with the caption.
  return HandleAllocated() ? WindowText(Handle()) : Caption();
}

void TEdit::SetText(const std::string& text) { SetWindowTextA(HandleNeeded(), text.c_str()); }

void TEdit::SelectAll() { SendMessageA(HandleNeeded(), EM_SETSEL, 0, -1); }

void TEdit::Undo() { SendMessageA(HandleNeeded(), WM_UNDO, 0, 0); }

void TEdit::CutToClipboard() { SendMessageA(HandleNeeded(), WM_CUT, 0, 0); }

void TEdit::CopyToClipboard() { SendMessageA(HandleNeeded(), WM_COPY, 0, 0); }

void TEdit::PasteFromClipboard() { SendMessageA(HandleNeeded(), WM_PASTE, 0, 0); }

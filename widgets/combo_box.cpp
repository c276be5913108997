#include "widgets/combo_box.h"

#include "widgets/edit.h"
#include "widgets/form.h"
#include "widgets/screen.h"

TComboBox::TComboBox(TWinControl* parent) : TWinControl(parent) {
  SetTabStop(true);
  CreateChild("COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL);
}

std::string TComboBox::Text() const {
  // A window yet to be made starts with the caption and no items.
  return HandleAllocated() ? WindowText(Handle()) : Caption();
}

void TComboBox::SetText(const std::string& text) { SetWindowTextA(HandleNeeded(), text.c_str()); }

void TComboBox::SetItems(const std::vector<std::string>& items) {
  SendMessageA(HandleNeeded(), CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
}

std::vector<std::string> TComboBox::Items() const {
  std::vector<std::string> items;
  if (!HandleAllocated()) return items;
  const auto count = SendMessageA(Handle(), CB_GETCOUNT, 0, 0);
  for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
    std::string text(static_cast<std::size_t>(SendMessageA(Handle(), CB_GETLBTEXTLEN, i, 0)) + 1,
                     '\0');
    const auto n = SendMessageA(Handle(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    items.push_back(text);
  }
  return items;
}

void TComboBox::SetItemIndex(int index) {
  SendMessageA(HandleNeeded(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TComboBox::SetDropDown(int rows, int itemHeight) {
  FRows = rows;
  FItemHeight = itemHeight;
  if (HandleAllocated()) ApplyHeights();
}

void TComboBox::CommandNotify(WORD code) {
  // The focus lies in the edit part, a window of the platform's.
  if (code == CBN_SETFOCUS) {
    if (TForm* form = ParentForm()) form->FocusChanged(this);
  }
}

void TComboBox::BoundsChanged(const RECT&) {
  if (HandleAllocated()) ApplyHeights();
}

void TComboBox::CreateWindowHandle() {
  TWinControl::CreateWindowHandle();
  ApplyHeights();
}

void TComboBox::ApplyHeights() {
  // The window's height covers the closed field and the dropped-down list;
  // the field keeps the height of the bounds.
  const RECT& r = BoundsRect();
  const int field = r.bottom - r.top;
  const int rowHeight = ScaleToScreen(FItemHeight);
  SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, rowHeight);
  const auto edge = GetSystemMetrics(SM_CYEDGE) * 2 + 2;
  if (field > edge) SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field - edge);
  SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, field + FRows * rowHeight + 2,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

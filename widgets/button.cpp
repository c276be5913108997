#include "widgets/button.h"

#include "widgets/accel.h"
#include "widgets/application.h"

TButtonControl::TButtonControl(TWinControl* parent) : TWinControl(parent) { SetTabStop(true); }

void TButtonControl::Click() {
  if (OnClick) Application->Guard(OnClick);
}

void TButtonControl::CommandNotify(WORD code) {
  if (code == BN_CLICKED) Click();
}

TButton::TButton(TWinControl* parent) : TButton(parent, BS_PUSHBUTTON) {}

TButton::TButton(TWinControl* parent, DWORD style) : TButtonControl(parent) {
  CreateChild("BUTTON", style);
}

bool TButton::DialogChar(char ch) {
  if (!IsAccel(ch, Caption())) return false;
  Click();
  return true;
}

bool TButton::DialogEnter() {
  if (!Focused()) return false;
  Click();
  return true;
}

TCheckBox::TCheckBox(TWinControl* parent) : TButtonControl(parent) {
  CreateChild("BUTTON", BS_AUTOCHECKBOX);
}

bool TCheckBox::Checked() const {
  if (!HandleAllocated()) return FInitiallyChecked;
  return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
  if (HandleAllocated()) {
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  } else {
    FInitiallyChecked = checked;
  }
}

void TCheckBox::CreateWindowHandle() {
  TButtonControl::CreateWindowHandle();
  if (FInitiallyChecked) SendMessageA(Handle(), BM_SETCHECK, BST_CHECKED, 0);
}

bool TCheckBox::DialogChar(char ch) {
  if (!IsAccel(ch, Caption())) return false;
  SetFocus();
  SendMessageA(Handle(), BM_CLICK, 0, 0);
  return true;
}

#pragma once
// Push buttons and the check box: platform buttons that raise OnClick.

#include "widgets/win_control.h"

#include <functional>

class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TWinControl* parent);

  // Raises OnClick (errors reported); a close-kind button closes its form.
  virtual void Click();
  std::function<void()> OnClick;

 protected:
  void CommandNotify(WORD code) override;
};

class TButton : public TButtonControl {
 public:
  explicit TButton(TWinControl* parent);

  // Its access key clicks it without moving the focus.
  bool DialogChar(char ch) override;
  // Enter clicks the button that has the focus.
  bool DialogEnter() override;

 protected:
  // For TBitBtn, which draws itself.
  TButton(TWinControl* parent, DWORD style);
};

class TCheckBox : public TButtonControl {
 public:
  explicit TCheckBox(TWinControl* parent);

  bool Checked() const;
  void SetChecked(bool checked);
  // Its access key focuses and toggles it.
  bool DialogChar(char ch) override;

 protected:
  void CreateWindowHandle() override;

 private:
  // The state set before the window exists, which then keeps it.
  bool FInitiallyChecked = false;
};

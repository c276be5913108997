#pragma once
// An editable drop-down field: the user may type any text or pick an item.

#include "widgets/win_control.h"

#include <string>
#include <vector>

class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TWinControl* parent);

  // The field's text and the items; asking makes no window.
  std::string Text() const;
  void SetText(const std::string& text);
  // Replaces the items, in the given order.
  void SetItems(const std::vector<std::string>& items);
  std::vector<std::string> Items() const;
  // Selects an item, which the field then shows; -1 selects none.
  void SetItemIndex(int index);
  // Rows the drop-down list shows, and the height of each in design pixels.
  void SetDropDown(int rows, int itemHeight);

 protected:
  void CreateWindowHandle() override;
  void CommandNotify(WORD code) override;
  void BoundsChanged(const RECT& old) override;

 private:
  void ApplyHeights();

  int FRows = 8;
  int FItemHeight = 13;
};

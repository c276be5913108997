#pragma once
// The menu bar, built from one table: each item's name, caption (with "&"
// before its access key), shortcut and handler stand together, and the
// shortcut matching reads the same table.

#include "widgets/shortcut.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct TMenuItem {
  std::string Name;
  std::string Caption;  // "-" makes a separator line
  TShortCut ShortCut = 0;
  std::function<void()> OnClick;
  std::vector<TMenuItem> Items;
  WORD Command = 0;  // given when the menu is built
};

// Rows of a menu table.
TMenuItem MenuItem(std::string name, std::string caption, TShortCut shortCut,
                   std::function<void()> onClick);
TMenuItem MenuSeparator(std::string name);
TMenuItem SubMenu(std::string name, std::string caption, std::vector<TMenuItem> items);

// The shortcut of a key message: the key with the Shift and Ctrl state at
// that moment and the Alt state the message reports.
TShortCut ShortCutOfKey(const MSG& msg);

class TMainMenu {
 public:
  explicit TMainMenu(std::vector<TMenuItem> items);
  ~TMainMenu();
  TMainMenu(const TMainMenu&) = delete;
  TMainMenu& operator=(const TMainMenu&) = delete;

  HMENU Handle() const { return FHandle; }
  // The item of that name anywhere in the menu, or null.
  const TMenuItem* Find(const std::string& name) const;

  // Depth first in menu order: the first item with the shortcut runs (errors
  // reported) and the key counts as used, even when the item does nothing.
  bool RunShortCut(TShortCut shortCut) const;
  // Runs the item with that command number.
  void DispatchCommand(WORD command) const;

  // Used by the form that shows the menu.
  void AttachTo(HWND window);
  void Detach();

 private:
  std::vector<TMenuItem> FItems;
  HMENU FHandle = nullptr;
  HWND FOwner = nullptr;
};

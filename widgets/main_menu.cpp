#include "widgets/main_menu.h"

#include "widgets/application.h"

namespace {

// Menu commands start above the numbers dialogs use for OK and Cancel.
constexpr WORD kFirstCommand = 100;

void Build(HMENU menu, std::vector<TMenuItem>& items, WORD& next) {
  for (TMenuItem& item : items) {
    if (item.Caption == "-") {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::string text = item.Caption;
    if (const std::string keys = ShortCutToText(item.ShortCut); !keys.empty()) {
      text += "\t" + keys;
    }
    if (!item.Items.empty()) {
      HMENU popup = CreatePopupMenu();
      Build(popup, item.Items, next);
      AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), text.c_str());
    } else {
      item.Command = next++;
      AppendMenuA(menu, MF_STRING, item.Command, text.c_str());
    }
  }
}

template <class TMatch>
const TMenuItem* FindFirst(const std::vector<TMenuItem>& items, const TMatch& match) {
  for (const TMenuItem& item : items) {
    if (match(item)) return &item;
    if (const TMenuItem* found = FindFirst(item.Items, match)) return found;
  }
  return nullptr;
}

void Run(const TMenuItem& item) {
  if (item.OnClick) Application->Guard(item.OnClick);
}

}  // namespace

TMenuItem MenuItem(std::string name, std::string caption, TShortCut shortCut,
                   std::function<void()> onClick) {
  TMenuItem item;
  item.Name = std::move(name);
  item.Caption = std::move(caption);
  item.ShortCut = shortCut;
  item.OnClick = std::move(onClick);
  return item;
}

TMenuItem MenuSeparator(std::string name) { return MenuItem(std::move(name), "-", 0, nullptr); }

TMenuItem SubMenu(std::string name, std::string caption, std::vector<TMenuItem> items) {
  TMenuItem menu = MenuItem(std::move(name), std::move(caption), 0, nullptr);
  menu.Items = std::move(items);
  return menu;
}

TShortCut ShortCutOfKey(const MSG& msg) {
  TShortCut modifiers = 0;
  if (GetKeyState(VK_SHIFT) < 0) modifiers |= kShortCutShift;
  if (GetKeyState(VK_CONTROL) < 0) modifiers |= kShortCutCtrl;
  if (msg.lParam & (1 << 29)) modifiers |= kShortCutAlt;
  return MakeShortCut(static_cast<std::uint8_t>(msg.wParam), modifiers);
}

TMainMenu::TMainMenu(std::vector<TMenuItem> items) : FItems(std::move(items)) {
  FHandle = CreateMenu();
  WORD next = kFirstCommand;
  Build(FHandle, FItems, next);
}

TMainMenu::~TMainMenu() {
  Detach();
  DestroyMenu(FHandle);
}

const TMenuItem* TMainMenu::Find(const std::string& name) const {
  return FindFirst(FItems, [&](const TMenuItem& item) { return item.Name == name; });
}

bool TMainMenu::RunShortCut(TShortCut shortCut) const {
  if (shortCut == 0) return false;
  const TMenuItem* item =
      FindFirst(FItems, [&](const TMenuItem& i) { return i.ShortCut == shortCut; });
  if (item == nullptr) return false;
  Run(*item);
  return true;
}

void TMainMenu::DispatchCommand(WORD command) const {
  if (const TMenuItem* item =
          FindFirst(FItems, [&](const TMenuItem& i) { return i.Command == command; })) {
    Run(*item);
  }
}

void TMainMenu::AttachTo(HWND window) {
  FOwner = window;
  // A window made with the menu has it already; setting it again would lay
  // out and redraw the frame once more.
  if (GetMenu(window) != FHandle) ::SetMenu(window, FHandle);
}

void TMainMenu::Detach() {
  if (FOwner != nullptr && IsWindow(FOwner) && GetMenu(FOwner) == FHandle)
    ::SetMenu(FOwner, nullptr);
  FOwner = nullptr;
}

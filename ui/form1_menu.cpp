// The main window's menu bar: one table of names, captions, shortcuts and
// handlers.

#include "ui/form1.h"

std::vector<TMenuItem> TForm1::MenuTable() {
  const auto item = [this](const char* name, const char* caption, TShortCut keys,
                           void (TForm1::*handler)()) {
    return MenuItem(name, caption, keys, [this, handler] { (this->*handler)(); });
  };
  const TShortCut none = 0;
  return {
      SubMenu("F1", "ﾌｧｲﾙ(&F)",
              {
                  item("N4", "全検索語 消去(&N)", MakeShortCut(VK_ESCAPE), &TForm1::N4Click),
                  item("N11", "検索語 1 消去", MakeShortCut('1', kShortCutCtrl), &TForm1::N11Click),
                  item("N21", "検索語 2 消去", MakeShortCut('2', kShortCutCtrl), &TForm1::N21Click),
                  MenuSeparator("N5"),
                  item("N2", "検索ﾃﾞｰﾀﾍﾞｰｽﾌｧｲﾙ選択", none, &TForm1::OpenFileClick),
                  MenuSeparator("N3"),
                  item("Exit1", "終了(&X)", none, &TForm1::Exit1Click),
              }),
      SubMenu("N1", "検索(&S)",
              {
                  item("N6", "ﾃｷｽﾄ検索(&R)", none, &TForm1::Button1Click),
                  item("html1", "html検索", none, &TForm1::Button4Click),
              }),
      SubMenu(
          "Edit4", "編集(&E)",
          {
              item("Undo2", "元に戻す(&U)", MakeShortCut('Z', kShortCutCtrl), &TForm1::Undo2Click),
              MenuSeparator("N18"),
              item("Cut2", "切り取り(&T)", MakeShortCut('X', kShortCutCtrl), &TForm1::Cut2Click),
              item("Copy2", "ｺﾋﾟｰ(&C)", MakeShortCut('C', kShortCutCtrl), &TForm1::Copy2Click),
              item("Paste2", "貼り付け(&P)", MakeShortCut('V', kShortCutCtrl),
                   &TForm1::Paste2Click),
              MenuSeparator("N19"),
              item("Clear1", "ｸﾘｱ(&A)", MakeShortCut(VK_ESCAPE), &TForm1::Clear1Click),
              item("SelectAll1", "すべて選択(&L)", MakeShortCut('A', kShortCutCtrl),
                   &TForm1::SelectAll1Click),
          }),
      SubMenu("T1", "ﾂｰﾙ(&T)",
              {
                  item("N7", "機能呼び出しﾌﾟﾛｸﾞﾗﾑ", none, &TForm1::N7Click),
              }),
      SubMenu("Help2", "ﾍﾙﾌﾟ(&H)",
              {
                  item("Help", "簡易検索ﾌﾟﾛｸﾞﾗﾑ ﾍﾙﾌﾟ(&H)", MakeShortCut(VK_F9),
                       &TForm1::ShowHelpWindowClick),
                  item("Readme2", "簡易検索ﾌﾟﾛｸﾞﾗﾑについて", MakeShortCut(VK_F10),
                       &TForm1::Readme2Click),
                  MenuSeparator("N22"),
                  item("Web2", "簡易検索ﾌﾟﾛｸﾞﾗﾑ ﾎｰﾑﾍﾟｰｼﾞ", none, &TForm1::Web2Click),
                  MenuSeparator("N23"),
                  item("About2", "ﾊﾞｰｼﾞｮﾝ情報(&A)", none, &TForm1::About2Click),
              }),
  };
}

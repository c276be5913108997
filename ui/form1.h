#pragma once
// The main window: the two search-word fields, the database chooser, the
// write-mode check box, the search buttons and the menu bar.

#include "product/identity.h"
#include "search/database_list.h"
#include "search/search_request.h"
#include "widgets/bevel.h"
#include "widgets/bit_btn.h"
#include "widgets/button.h"
#include "widgets/combo_box.h"
#include "widgets/edit.h"
#include "widgets/form.h"
#include "widgets/group_box.h"
#include "widgets/label.h"
#include "widgets/main_menu.h"
#include "widgets/open_dialog.h"

#include <string>

inline constexpr const char* kToolProgram = "zunodata.exe";
inline constexpr const char* kNoToolMessage = "機能呼び出しプログラムが見つかりません．";

class TForm1 : public TForm {
 public:
  // Loads the database list from HKEY_CURRENT_USER\settingsKey.
  explicit TForm1(std::string settingsKey = kSettingsKey);

  // Controls, in the order of creation.
  TBevel Bevel1;
  TLabel Label5;
  TBevel Bevel2;
  TGroupBox GroupBox1;
  TLabel Label3;
  TLabel Label4;
  TBitBtn BitBtn1;
  TEdit Edit1;
  TButton Button1;
  TButton Button3;
  TButton Button4;
  TEdit Edit2;
  TButton Button5;
  TComboBox ComboBox1;
  TButton Button2;
  TButton Button6;
  TCheckBox Uwagaki;
  TBitBtn OpenFile;
  TMainMenu MainMenu1;
  TOpenDialog OpenDialog1;

  // Handlers.
  void FormCreate();
  void FormDestroy() override;
  void EndSession() override;
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void OpenFileClick();
  void N4Click();
  void N11Click();
  void N21Click();
  void Exit1Click();
  void Undo2Click();
  void Cut2Click();
  void Copy2Click();
  void Paste2Click();
  void Clear1Click();
  void SelectAll1Click();
  void N7Click();
  void ShowHelpWindowClick();
  void Readme2Click();
  void Web2Click();
  void About2Click();

 private:
  std::vector<TMenuItem> MenuTable();
  void LayOut();
  void BindHandlers();
  void Search(TSearchMode mode);
  // The search field that has the keyboard focus, or null.
  TEdit* FocusedSearchField();
  // Shows the list in the drop-down and selects its first entry.
  void ShowList();
  void SaveList();

  std::string FSettingsKey;
  TDatabaseList FList;
};

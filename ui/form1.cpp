#include "ui/form1.h"

#include "about/splash_win.h"
#include "platform/file_exists.h"
#include "platform/system_library.h"
#include "product/identity.h"
#include "search/registry_settings_store.h"
#include "search/search_launcher.h"
#include "search/win32_search_platform.h"
#include "viewers/show_help.h"
#include "viewers/show_readme.h"
#include "widgets/application.h"

#include <utility>

namespace {

constexpr const char* kProportional = "ＭＳ Ｐゴシック";
constexpr const char* kFixed = "ＭＳ ゴシック";

// Sets the face and height of a control's font; the rest stays the window font's.
void UseFont(TControl& control, const char* face, int height, TFontPitch pitch) {
  TFontAttributes a = control.Font().Attributes();
  a.Name = face;
  a.Height = height;
  a.Pitch = pitch;
  control.Font().Assign(a);
}

void Place(TControl& control, const char* caption, int left, int top, int width, int height) {
  if (caption != nullptr) control.SetCaption(caption);
  control.SetBounds(left, top, width, height);
}

void ShellOpen(HWND owner, const char* file) {
  Win32ShellExecute(owner, "OPEN", file, "", "", SW_SHOW);
}

}  // namespace

TForm1::TForm1(std::string settingsKey)
    : Bevel1(this),
      Label5(this),
      Bevel2(this),
      GroupBox1(this),
      Label3(&GroupBox1),
      Label4(&GroupBox1),
      BitBtn1(this, TBitBtnKind::Close),
      Edit1(this),
      Button1(this),
      Button3(this),
      Button4(this),
      Edit2(this),
      Button5(this),
      ComboBox1(this),
      Button2(this),
      Button6(this),
      Uwagaki(this),
      OpenFile(this),
      MainMenu1(MenuTable()),
      FSettingsKey(std::move(settingsKey)) {
  LayOut();
  BindHandlers();
  Application->Guard([this] { FormCreate(); });
}

void TForm1::LayOut() {
  SetCaption(kProgramCaption);
  SetMenu(MainMenu1);
  SetBounds(74, 50, 392, 425);

  Place(Bevel1, nullptr, 8, 0, 369, 305);
  Place(Label5, "検索ﾃﾞｰﾀﾍﾞｰｽ名", 24, 104, 90, 13);
  Place(Bevel2, nullptr, 16, 208, 353, 89);
  Bevel2.SetShape(TBevelShape::TopLine);
  Place(GroupBox1, "検索語", 16, 8, 353, 81);
  Place(Label3, "検索語 1", 8, 24, 50, 13);
  Place(Label4, "検索語 2", 8, 56, 50, 13);
  Place(BitBtn1, nullptr, 24, 312, 337, 52);
  Place(Edit1, nullptr, 80, 24, 185, 24);
  Place(Button1, "ﾃｷｽﾄ検索", 24, 240, 161, 57);
  Place(Button3, "検索語 1 ｸﾘｱ", 272, 24, 89, 25);
  Place(Button4, "html検索", 200, 240, 161, 57);
  Place(Edit2, nullptr, 80, 56, 185, 24);
  Place(Button5, "検索語 2 ｸﾘｱ", 272, 56, 89, 25);
  Place(ComboBox1, nullptr, 24, 138, 337, 21);
  ComboBox1.SetDropDown(20, 13);
  Place(Button2, "検索ﾃﾞｰﾀﾍﾞｰｽ設定・追加", 24, 168, 233, 33);
  Place(Button6, "削除", 264, 168, 97, 33);
  Place(Uwagaki, "検索結果の上書き", 32, 216, 129, 17);
  Uwagaki.SetChecked(true);
  Place(OpenFile, "ﾌｧｲﾙ選択", 264, 96, 97, 33);

  for (TEdit* edit : {&Edit1, &Edit2}) UseFont(*edit, kFixed, 16, TFontPitch::Fixed);
  for (TControl* c :
       std::initializer_list<TControl*>{&Label5, &GroupBox1, &Label3, &Label4, &BitBtn1, &Button1,
                                        &Button3, &Button4, &Button5, &ComboBox1}) {
    UseFont(*c, kProportional, 13, TFontPitch::Default);
  }

  // Number 11 belongs to the group box, which takes no focus: the file-choose
  // button at the top right comes last.
  const std::pair<TWinControl*, int> tabOrder[] = {
      {&Edit1, 0},    {&Edit2, 1},      {&ComboBox1, 2}, {&Button2, 3}, {&Button6, 4},
      {&Uwagaki, 5},  {&Button1, 6},    {&Button4, 7},   {&Button3, 8}, {&Button5, 9},
      {&BitBtn1, 10}, {&GroupBox1, 11}, {&OpenFile, 12}};
  for (const auto& [control, order] : tabOrder) control->SetTabOrder(order);
}

void TForm1::BindHandlers() {
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  Button5.OnClick = [this] { Button5Click(); };
  Button6.OnClick = [this] { Button6Click(); };
  OpenFile.OnClick = [this] { OpenFileClick(); };
}

void TForm1::FormCreate() {
  TRegistrySettingsStore store(FSettingsKey);
  try {
    FList.LoadFromStore(store);
  } catch (...) {
    // The entries read before the error are listed, and none is selected.
    ComboBox1.SetItems(FList.Entries());
    throw;
  }
  ShowList();
}

void TForm1::FormDestroy() { SaveList(); }

void TForm1::EndSession() { SaveList(); }

void TForm1::SaveList() {
  TRegistrySettingsStore store(FSettingsKey);
  FList.SaveToStore(store);
}

void TForm1::ShowList() {
  ComboBox1.SetItems(FList.Entries());
  ComboBox1.SetItemIndex(FList.Count() > 0 ? 0 : -1);
}

void TForm1::Search(TSearchMode mode) {
  TSearchRequest request;
  request.Word1 = Edit1.Text();
  request.Word2 = Edit2.Text();
  request.WriteMode = Uwagaki.Checked() ? TWriteMode::Overwrite : TWriteMode::Append;
  request.DatabaseName = ComboBox1.Text();
  request.SearchMode = mode;
  TWin32SearchPlatform platform(
      Handle(), [] { Application->PumpPendingMessages(); },
      [](const std::string& text) { Application->ShowMessage(text); });
  LaunchSearch(request, platform);
}

void TForm1::Button1Click() { Search(TSearchMode::Text); }

void TForm1::Button4Click() { Search(TSearchMode::Html); }

void TForm1::Button2Click() {
  FList.MoveToTop(ComboBox1.Text());
  ShowList();
}

void TForm1::Button6Click() {
  if (FList.RemoveEntry(ComboBox1.Text())) ShowList();
}

void TForm1::OpenFileClick() {
  if (OpenDialog1.Execute(Handle())) ComboBox1.SetText("\"" + OpenDialog1.FileName() + "\"");
}

void TForm1::Button3Click() { Edit1.SetText(""); }

void TForm1::Button5Click() { Edit2.SetText(""); }

void TForm1::N4Click() {
  Edit1.SetText("");
  Edit2.SetText("");
}

void TForm1::N11Click() { Edit1.SetText(""); }

void TForm1::N21Click() { Edit2.SetText(""); }

void TForm1::Exit1Click() { Close(); }

TEdit* TForm1::FocusedSearchField() {
  if (Edit1.Focused()) return &Edit1;
  if (Edit2.Focused()) return &Edit2;
  return nullptr;
}

void TForm1::Undo2Click() {
  if (TEdit* field = FocusedSearchField()) field->Undo();
}

void TForm1::Cut2Click() {
  if (TEdit* field = FocusedSearchField()) field->CutToClipboard();
}

void TForm1::Copy2Click() {
  if (TEdit* field = FocusedSearchField()) field->CopyToClipboard();
}

void TForm1::Paste2Click() {
  if (TEdit* field = FocusedSearchField()) field->PasteFromClipboard();
}

void TForm1::SelectAll1Click() {
  if (TEdit* field = FocusedSearchField()) field->SelectAll();
}

void TForm1::Clear1Click() {
  for (TEdit* field : {&Edit1, &Edit2}) {
    field->SelectAll();
    field->CutToClipboard();
  }
}

void TForm1::N7Click() {
  if (Win32FileExists(kToolProgram)) {
    ShellOpen(Handle(), kToolProgram);
  } else {
    Application->ShowMessage(kNoToolMessage);
  }
}

void TForm1::Web2Click() { ShellOpen(Handle(), kHomePage); }

void TForm1::ShowHelpWindowClick() { ShowHelpWindow(); }

void TForm1::Readme2Click() { ShowReadmeWindow(); }

void TForm1::About2Click() { ShowAboutWindow(); }

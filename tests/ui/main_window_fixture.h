#pragma once
// A main window on a private registry key, in a private working folder,
// shown and active, with every dialog box it opens recorded and answered.

#include "tests/support/dialog_watcher.h"
#include "tests/support/wine_test_support.h"
#include "tests/ui/ui_test_support.h"
#include "ui/form1.h"
#include "widgets/application.h"

#include <gtest/gtest.h>

#include <memory>

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::DeleteKey(Key);
    PrepareStore();
    App = std::make_unique<TApplication>();
    Form = &App->CreateForm<TForm1>(Key);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    uitest::Settle();
  }
  void TearDown() override {
    App.reset();
    uitest::DeleteKey(Key);
  }
  // Runs before the window is made: a test may fill the store here.
  virtual void PrepareStore() {}

  // Runs a menu item as a click in the menu does.
  void ChooseMenu(const char* name) {
    const TMenuItem* item = Form->MainMenu1.Find(name);
    ASSERT_NE(item, nullptr) << name;
    PostMessageA(Form->Handle(), WM_COMMAND, item->Command, 0);
    uitest::Settle();
  }
  void Fill(const std::string& word1, const std::string& word2) {
    Form->Edit1.SetText(word1);
    Form->Edit2.SetText(word2);
  }

  const std::string Key = uitest::TestKeyName();
  testsupport::TTempWorkFolder Work;
  testsupport::TDialogWatcher Boxes;
  std::unique_ptr<TApplication> App;
  TForm1* Form = nullptr;
};

#pragma once
// What the viewer tests share: an application object, a private working
// folder, a message-box watcher, and the viewers that are on screen.

#include "docs/show_help.h"
#include "docs/show_readme.h"
#include "tests/docs/box_watcher.h"
#include "tests/support/wine_test_support.h"
#include "widgets/application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The shipped help document (RTF) in the source tree.
std::string ShippedDocument(const std::string& name);

// This thread's visible top-level windows, the topmost first.
std::vector<HWND> VisibleWindows();

// The visible forms of class T on this thread, the topmost first.
template <class T>
std::vector<T*> VisibleForms() {
  std::vector<T*> forms;
  for (HWND window : VisibleWindows()) {
    if (auto* form = dynamic_cast<T*>(TWinControl::FromHandle(window))) forms.push_back(form);
  }
  return forms;
}

class ViewerTest : public ::testing::Test {
 protected:
  testsupport::TTempWorkFolder Folder;
  TApplication App;
  // The first form is the main form, whose closing would end the program.
  TForm& MainForm = App.CreateForm<TForm>();
  TBoxWatcher Watcher;

  // Runs a command as the main window's menu does: an error goes to the box.
  template <class F>
  void Command(F&& command) {
    App.Guard(command);
    PumpFor(100);
  }
};

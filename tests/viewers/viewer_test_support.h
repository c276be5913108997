#pragma once
// What the viewer tests share: an application object, a private working
// folder, a message-box watcher, and the viewers that are on screen.

#include "tests/support/dialog_watcher.h"
#include "tests/support/wine_test_support.h"
#include "viewers/show_help.h"
#include "viewers/show_readme.h"
#include "widgets/application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The shipped help document (RTF) in the source tree.
std::string ShippedDocument(const std::string& name);

// Dispatches this thread's messages for the given time.
void PumpFor(int milliseconds);

using testsupport::WindowText;

// The texts of the message boxes seen from index `from` on.
std::vector<std::string> BoxTexts(const testsupport::TDialogWatcher& watcher, std::size_t from = 0);

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
  testsupport::TDialogWatcher Watcher;

  // Runs a command as the main window's menu does: an error goes to the box.
  bool StopIcon(std::size_t box) const {
    return Watcher.Dialogs().at(box).Icon == testsupport::StopIcon();
  }
  template <class F>
  void Command(F&& command) {
    App.Guard(command);
    PumpFor(100);
  }
};

#pragma once
// The seam between the search launcher and the operating system. Win32
// supplies the real one (win32_search_platform.h); tests supply recorders.

#include "search/safe_command_line.h"

#include <string>
#include <utility>
#include <vector>

// An opaque child-process handle; null when the child could not be started.
using TChildHandle = void*;

// Environment variables given to a child as name and value.
using TChildVariables = std::vector<std::pair<std::string, std::string>>;

enum class TWaitResult {
  ChildEnded,    // the child has ended, or it cannot be waited for
  InputPending,  // a window message is waiting for the GUI thread
};

class TSearchPlatform {
 public:
  virtual ~TSearchPlatform() = default;
  // True for an existing file that is not a directory; bare names are looked
  // up in the current directory.
  virtual bool FileExists(const std::string& name) = 0;
  // The ANSI code page the system runs in.
  virtual TAnsiCodePage AnsiCodePage() = 0;
  // What Windows puts before a script's command line when it hands the line
  // to cmd: the command interpreter's path in quotes, /c and a quote.
  virtual std::string CmdLinePrefix() = 0;
  // Takes the start-up information this process was started with, for the child.
  virtual void TakeStartupInfo() = 0;
  // Starts the command line with the taken start-up information, inheriting
  // the current directory and the environment, to which the variables are
  // added for this child only. Null when the start failed.
  virtual TChildHandle StartChild(const std::string& commandLine,
                                  const TChildVariables& variables) = 0;
  // Sleeps until the child ends or a message arrives for the GUI thread.
  virtual TWaitResult WaitForChildOrInput(TChildHandle child) = 0;
  // Dispatches every pending message without waiting for one.
  virtual void PumpPendingMessages() = 0;
  virtual void CloseChild(TChildHandle child) = 0;
  // The whole value of an environment variable; empty when it is not set.
  virtual std::string ReadEnvironment(const std::string& name) = 0;
  // Hands a file to the shell's "OPEN" verb, owned by the main window.
  virtual void OpenWithShell(const std::string& path) = 0;
  // The program's plain message box.
  virtual void ShowMessage(const std::string& text) = 0;
};

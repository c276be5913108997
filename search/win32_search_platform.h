#pragma once
// The search launcher's platform operations on Win32. The message pump and the
// message box belong to the window layer, which hands them in.

#include "search/search_platform.h"

#include <windows.h>

#include <functional>

class TWin32SearchPlatform : public TSearchPlatform {
 public:
  using TPump = std::function<void()>;
  using TShowMessage = std::function<void(const std::string&)>;

  TWin32SearchPlatform(HWND owner, TPump pump, TShowMessage showMessage);

  bool FileExists(const std::string& name) override;
  TAnsiCodePage AnsiCodePage() override;
  std::string CmdLinePrefix() override;
  void TakeStartupInfo() override;
  TChildHandle StartChild(const std::string& commandLine,
                          const TChildVariables& variables) override;
  TWaitResult WaitForChildOrInput(TChildHandle child) override;
  void PumpPendingMessages() override;
  void CloseChild(TChildHandle child) override;
  std::string ReadEnvironment(const std::string& name) override;
  void OpenWithShell(const std::string& path) override;
  void ShowMessage(const std::string& text) override;

 private:
  HWND FOwner;
  TPump FPump;
  TShowMessage FShowMessage;
  STARTUPINFOA FStartupInfo{};
};

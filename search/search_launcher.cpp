#include "search/search_launcher.h"

#include "search/command_line.h"

namespace {

// Sleeps until the child ends; every message that arrives meanwhile is
// dispatched at once, so the window stays live and a nested search can run.
void WaitForChild(TChildHandle child, TSearchPlatform& platform) {
  while (platform.WaitForChildOrInput(child) == TWaitResult::InputPending) {
    platform.PumpPendingMessages();
  }
}

}  // namespace

void LaunchSearch(const TSearchRequest& request, TSearchPlatform& platform) {
  if (request.Word1.empty() && request.Word2.empty()) {
    platform.ShowMessage(std::string(kNoWordMessage));
    return;
  }
  const std::string script(ScriptName(request.WriteMode));
  if (!platform.FileExists(script)) return;

  // A lone word, in either field, is passed in both word positions.
  const std::string& first = request.Word1.empty() ? request.Word2 : request.Word1;
  const std::string& second = request.Word2.empty() ? first : request.Word2;

  platform.TakeStartupInfo();
  const std::string commandLine =
      EscapeForCmd(BuildCommandLine(script, first, second, request.DatabaseName));
  if (TChildHandle child = platform.StartChild(commandLine)) {
    WaitForChild(child, platform);
    platform.CloseChild(child);
  }

  const std::string result =
      ResultFilePath(platform.ReadEnvironment(std::string(kDriveVariable)), request.SearchMode);
  if (platform.FileExists(result)) platform.OpenWithShell(result);
}

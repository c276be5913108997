#include "search/search_launcher.h"

#include "product/script_variables.h"

namespace {

// Sleeps until the child ends; every message that arrives meanwhile is
// dispatched at once, so the window stays live and a nested search can run.
void WaitForChild(TChildHandle child, TSearchPlatform& platform) {
  while (platform.WaitForChildOrInput(child) == TWaitResult::InputPending) {
    platform.PumpPendingMessages();
  }
}

}  // namespace

std::string_view ScriptName(TWriteMode mode) {
  return mode == TWriteMode::Overwrite ? kOverwriteScript : kAppendScript;
}

std::string ResultFilePath(std::string_view drive, TSearchMode mode) {
  std::string path(drive);
  path.append(mode == TSearchMode::Text ? "\\temp\\out.txt" : "\\temp\\out.htm");
  return path;
}

std::string_view RefusalMessage(TRefusal refusal) {
  switch (refusal) {
    case TRefusal::Quote:
      return "検索語とデータベース名には、全体を囲む一組のほかに二重引用符（\"）を使えません．";
    case TRefusal::Expansion:
      return "検索語とデータベース名には半角の % と ! を使えません（全角の ％ と ！ は使えます）．";
    case TRefusal::ControlCharacter:
      return "検索語とデータベース名に改行などの制御文字が入っています．";
    case TRefusal::BrokenCharacter:
      return "検索語とデータベース名に不完全な２バイト文字が入っています．";
    case TRefusal::TooLong:
      return "検索語とデータベース名が長すぎて、検索スクリプトに渡せません．";
    case TRefusal::None:
      break;
  }
  return {};
}

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

  // Refused before anything starts: no script runs and no result is opened.
  const TSafeCommandLine command =
      SafeCommandLine(script, first, second, request.DatabaseName, platform.AnsiCodePage(),
                      platform.CmdLinePrefix());
  if (command.Refusal != TRefusal::None) {
    platform.ShowMessage(std::string(RefusalMessage(command.Refusal)));
    return;
  }

  platform.TakeStartupInfo();
  // The fields as they go on the command line, unchanged, also go into the
  // script's environment: the shipped scripts hand them to zsfind this way,
  // which cmd never parses.
  const TChildVariables variables = {
      {kWord1Variable, first}, {kWord2Variable, second}, {kDatabaseVariable, request.DatabaseName}};
  if (TChildHandle child = platform.StartChild(command.Line, variables)) {
    WaitForChild(child, platform);
    platform.CloseChild(child);
  }

  const std::string result =
      ResultFilePath(platform.ReadEnvironment(std::string(kDriveVariable)), request.SearchMode);
  if (platform.FileExists(result)) platform.OpenWithShell(result);
}

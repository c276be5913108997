#include "search/win32_search_platform.h"

#include "platform/file_exists.h"
#include "platform/system_library.h"

#include <climits>
#include <optional>
#include <vector>

namespace {

// The whole value of an environment variable of this process; none when it is
// not set (an empty value is a value).
std::optional<std::string> Win32Variable(const std::string& name) {
  std::string value;
  SetLastError(ERROR_SUCCESS);
  DWORD size = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  // The value may change between the two calls; ask again until it fits.
  while (size > 0) {
    value.resize(size);
    const DWORD got = GetEnvironmentVariableA(name.c_str(), value.data(), size);
    if (got < size) {
      value.resize(got);
      return value;
    }
    size = got;
  }
  if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
  return std::string();
}

}  // namespace

TWin32SearchPlatform::TWin32SearchPlatform(HWND owner, TPump pump, TShowMessage showMessage)
    : FOwner(owner), FPump(std::move(pump)), FShowMessage(std::move(showMessage)) {}

bool TWin32SearchPlatform::FileExists(const std::string& name) { return Win32FileExists(name); }

TAnsiCodePage TWin32SearchPlatform::AnsiCodePage() {
  const UINT codePage = GetACP();
  TAnsiCodePage page;
  for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
    page.LeadBytes[byte] = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(byte)) != FALSE;
  }
  // Only asks whether the text would convert: nothing is converted, the
  // program passes its texts on as their bytes.
  page.IsText = [](std::string_view text) {
    return text.empty() || (text.size() <= static_cast<std::size_t>(INT_MAX) &&
                            MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(),
                                                static_cast<int>(text.size()), nullptr, 0) > 0);
  };
  return page;
}

std::string TWin32SearchPlatform::CmdLinePrefix() {
  // Windows names cmd.exe in the system folder, or (in older versions) as
  // the variable ComSpec names it: the longer of the two is counted.
  std::string interpreter = SystemFolder() + "\\cmd.exe";
  const std::string comSpec = ReadEnvironment("ComSpec");
  if (comSpec.size() > interpreter.size()) interpreter = comSpec;
  return "\"" + interpreter + "\" /c \"";
}

void TWin32SearchPlatform::TakeStartupInfo() { GetStartupInfoA(&FStartupInfo); }

TChildHandle TWin32SearchPlatform::StartChild(const std::string& commandLine,
                                              const TChildVariables& variables) {
  // The child copies the environment when it is made; this process's own is
  // put back right after, so the variables reach no other child.
  std::vector<std::optional<std::string>> previous;
  for (const auto& [name, value] : variables) {
    previous.push_back(Win32Variable(name));
    SetEnvironmentVariableA(name.c_str(), value.c_str());
  }
  // CreateProcessA may write into the command line, so it gets its own copy.
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &FStartupInfo, &process);
  for (std::size_t i = 0; i < variables.size(); ++i) {
    SetEnvironmentVariableA(variables[i].first.c_str(),
                            previous[i] ? previous[i]->c_str() : nullptr);
  }
  if (!started) return nullptr;
  CloseHandle(process.hThread);  // only the process handle is waited on
  return process.hProcess;
}

TWaitResult TWin32SearchPlatform::WaitForChildOrInput(TChildHandle child) {
  HANDLE process = child;
  // MWMO_INPUTAVAILABLE also wakes for messages that are queued but were seen
  // before, so nothing waiting is slept over.
  const DWORD woken =
      MsgWaitForMultipleObjectsEx(1, &process, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  return woken == WAIT_OBJECT_0 + 1 ? TWaitResult::InputPending : TWaitResult::ChildEnded;
}

void TWin32SearchPlatform::PumpPendingMessages() { FPump(); }

void TWin32SearchPlatform::CloseChild(TChildHandle child) { CloseHandle(child); }

std::string TWin32SearchPlatform::ReadEnvironment(const std::string& name) {
  return Win32Variable(name).value_or(std::string());
}

void TWin32SearchPlatform::OpenWithShell(const std::string& path) {
  Win32ShellExecute(FOwner, "OPEN", path.c_str(), "", "", SW_SHOW);
}

void TWin32SearchPlatform::ShowMessage(const std::string& text) { FShowMessage(text); }

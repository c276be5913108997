#include "tests/support/wine_test_support.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace testsupport {

namespace {

std::string CurrentDirectory() {
  std::string dir(GetCurrentDirectoryA(0, nullptr), '\0');
  dir.resize(GetCurrentDirectoryA(static_cast<DWORD>(dir.size()), dir.data()));
  return dir;
}

void SetDefaultValue(const std::string& subkey, const std::string& value) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    throw std::runtime_error("cannot create HKCR\\" + subkey);
  }
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

}  // namespace

TTempWorkFolder::TTempWorkFolder() : Previous(CurrentDirectory()) {
  char base[MAX_PATH];
  GetTempPathA(sizeof base, base);
  static unsigned counter = 0;
  for (;;) {
    Folder = std::string(base) + "zs" + std::to_string(GetCurrentProcessId()) + "_" +
             std::to_string(++counter) + "\\";
    if (CreateDirectoryA(Folder.c_str(), nullptr)) break;
  }
  SetCurrentDirectoryA(Folder.c_str());
}

TTempWorkFolder::~TTempWorkFolder() {
  SetCurrentDirectoryA(Previous.c_str());
  std::error_code ignored;
  std::filesystem::remove_all(Folder, ignored);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::istringstream in(ReadFileBytes(path));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> WaitForLines(const std::string& path, std::size_t count, int timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  auto lines = ReadLines(path);
  while (lines.size() < count && GetTickCount64() < deadline) {
    Sleep(20);
    lines = ReadLines(path);
  }
  return lines;
}

std::string RecordShellOpens(const std::string& extension, const std::string& log) {
  const std::string progId = "zstest" + extension.substr(1) + "file";
  SetDefaultValue(extension, progId);
  SetDefaultValue(progId + "\\shell\\open\\command",
                  std::string("\"") + ZS_RECORDER_PATH + "\" \"%1\"");
  SetEnvironmentVariableA("ZS_RECORD_LOG", log.c_str());
  return ZS_RECORDER_PATH;
}

void RecordUrlOpens(const std::string& scheme, const std::string& log) {
  SetDefaultValue(scheme, "URL:" + scheme);
  SetDefaultValue(scheme + "\\shell\\open\\command",
                  std::string("\"") + ZS_RECORDER_PATH + "\" \"%1\"");
  SetEnvironmentVariableA("ZS_RECORD_LOG", log.c_str());
}

namespace {

struct TWindowQuery {
  DWORD Pid;
  const std::function<bool(HWND)>& Matches;
  HWND Found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* q = reinterpret_cast<TWindowQuery*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != q->Pid || !q->Matches(window)) return TRUE;
  q->Found = window;
  return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD pid, const std::function<bool(HWND)>& matches) {
  TWindowQuery query{pid, matches, nullptr};
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&query));
  return query.Found;
}

void SendChord(const std::vector<WORD>& keys) {
  std::vector<INPUT> input;
  auto add = [&](WORD key, DWORD flags) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = key;
    i.ki.dwFlags = flags;
    input.push_back(i);
  };
  for (WORD key : keys) add(key, 0);
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) add(*it, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}

int RunToEnd(const std::string& commandLine) {
  std::string line = commandLine;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi)) {
    return -1;
  }
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return static_cast<int>(code);
}

}  // namespace testsupport

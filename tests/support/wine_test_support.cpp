#include "tests/support/wine_test_support.h"

#include <cstdio>
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
  std::vector<std::string> lines;
  WaitUntil(
      [&] {
        lines = ReadLines(path);
        return lines.size() >= count;
      },
      timeoutMs);
  return lines;
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  while (!done()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
  return true;
}

HWND WaitForProcessWindow(DWORD pid, const std::function<bool(HWND)>& matches, int timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = FindProcessWindow(pid, [&](HWND w) { return IsWindowVisible(w) && matches(w); });
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

void DeleteKey(const std::string& name) { RegDeleteTreeA(HKEY_CURRENT_USER, name.c_str()); }

std::string ReadValue(const std::string& key, const std::string& name) {
  HKEY section;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, (key + "\\Settings").c_str(), 0, KEY_READ, &section) !=
      ERROR_SUCCESS) {
    return "<missing>";
  }
  char data[1024] = {};
  DWORD size = sizeof data - 1, type = 0;
  const LONG result =
      RegQueryValueExA(section, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(section);
  if (result != ERROR_SUCCESS) return "<missing>";
  if (type != REG_SZ) return "<type " + std::to_string(type) + ">";
  return data;
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

BOOL CALLBACK MatchChild(HWND window, LPARAM param) {
  auto* q = reinterpret_cast<TWindowQuery*>(param);
  if (!q->Matches(window)) return TRUE;
  q->Found = window;
  return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD pid, const std::function<bool(HWND)>& matches) {
  TWindowQuery query{pid, matches, nullptr};
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&query));
  return query.Found;
}

HWND FindChildWindow(HWND parent, const std::function<bool(HWND)>& matches) {
  TWindowQuery query{0, matches, nullptr};
  EnumChildWindows(parent, &MatchChild, reinterpret_cast<LPARAM>(&query));
  return query.Found;
}

LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool wide) {
  constexpr UINT kTimeoutMs = 10000;
  DWORD_PTR result = 0;
  const auto send = wide ? SendMessageTimeoutW : SendMessageTimeoutA;
  if (!send(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &result) &&
      IsWindow(window)) {
    std::fprintf(stderr, "window %p did not answer message 0x%X within %u ms: its program hangs\n",
                 static_cast<void*>(window), message, kTimeoutMs);
  }
  return static_cast<LRESULT>(result);
}

std::string WindowText(HWND window) {
  // WM_GETTEXT reads the text of another program's control too. Rich Edit
  // gives its length in characters: room for two bytes each.
  std::string text(static_cast<std::size_t>(SendBounded(window, WM_GETTEXTLENGTH)) * 2 + 1, '\0');
  text.resize(static_cast<std::size_t>(
      SendBounded(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

std::string WindowClass(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
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

void SetClipboardText(const std::string& text) {
  OpenClipboard(nullptr);
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  auto* bytes = static_cast<char*>(GlobalLock(memory));
  text.copy(bytes, text.size());
  bytes[text.size()] = '\0';
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

std::string ClipboardText() {
  std::string text;
  OpenClipboard(nullptr);
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

}  // namespace testsupport

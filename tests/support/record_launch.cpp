// Stands in for the programs the shell would start (editor, browser, tool):
// appends its own command line as one line to the file named by the
// environment variable ZS_RECORD_LOG, which it inherits from the test.

#include <windows.h>

#include <string>

int main() {
  char log[MAX_PATH];
  const DWORD n = GetEnvironmentVariableA("ZS_RECORD_LOG", log, sizeof log);
  if (n == 0 || n >= sizeof log) return 2;
  HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 3;
  const std::string line = std::string(GetCommandLineA()) + "\n";
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}

#pragma once
// Helpers for the tests that run under Wine: a private working folder, files
// as bytes, and the shell-open recorder.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// A new empty folder under %TEMP%, made the current directory while the
// object lives; the previous directory is restored and the folder removed.
class TTempWorkFolder {
 public:
  TTempWorkFolder();
  ~TTempWorkFolder();
  TTempWorkFolder(const TTempWorkFolder&) = delete;
  TTempWorkFolder& operator=(const TTempWorkFolder&) = delete;
  // Full path with a trailing backslash.
  const std::string& Path() const { return Folder; }

 private:
  std::string Folder;
  std::string Previous;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The file's lines without their line ends; none when it does not exist.
std::vector<std::string> ReadLines(const std::string& path);

// The file's lines once it has at least `count` of them, or what it has when
// `timeoutMs` has passed: for logs that programs started by the shell write
// after the call that started them has returned.
std::vector<std::string> WaitForLines(const std::string& path, std::size_t count,
                                      int timeoutMs = 10000);

// A key below HKEY_CURRENT_USER, removed with all below it.
void DeleteKey(const std::string& name);
// A value of the key's section "Settings": the string, or "<missing>" /
// "<type N>" when it is not a string.
std::string ReadValue(const std::string& key, const std::string& name);

// Makes the shell's OPEN of files with this extension (".txt", ".htm", ".exe")
// start the recorder program, which appends its command line to `log`.
// Returns the recorder's full path as it appears at the start of each line.
std::string RecordShellOpens(const std::string& extension, const std::string& log);

// Makes the shell's open of addresses of this scheme ("http", "mailto") start
// the recorder, as RecordShellOpens does for file types.
void RecordUrlOpens(const std::string& scheme, const std::string& log);

// The first top-level window of process `pid` that `matches` accepts, or null.
HWND FindProcessWindow(DWORD pid, const std::function<bool(HWND)>& matches);
// The first child (at any depth) of `parent` that `matches` accepts, or null.
HWND FindChildWindow(HWND parent, const std::function<bool(HWND)>& matches);
// SendMessageA (W when `wide`) to a window that may be another process's.
// Where SendMessage would wait for ever on a hung program, this gives up
// after 10 s, says so on stderr and answers 0 as for a window that is gone.
LRESULT SendBounded(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                    bool wide = false);
// A window's text and class name, read as another program reads them.
std::string WindowText(HWND window);
std::string WindowClass(HWND window);

// Asks `done` every 20 ms until it answers true or `timeoutMs` has passed;
// its last answer.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 10000);

// The first visible top-level window of process `pid` that `matches`
// accepts, once there is one; null when none came within the time.
HWND WaitForProcessWindow(DWORD pid, const std::function<bool(HWND)>& matches,
                          int timeoutMs = 10000);

// Real keyboard input: presses the keys in order and lets them go in reverse.
void SendChord(const std::vector<WORD>& keys);

// Runs a command line to its end; returns the exit code, or -1 when it
// could not be started.
int RunToEnd(const std::string& commandLine);

// The clipboard's text (CF_TEXT, in the ANSI code page), set and read.
void SetClipboardText(const std::string& text);
std::string ClipboardText();

}  // namespace testsupport

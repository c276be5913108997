#pragma once
// What a click on a hyperlink label opens, and how it is handed to the shell.

#include <cstdint>
#include <string>
#include <vector>

enum class TJumpType : std::uint8_t { jtNone, jtCust, jtHome, jtMail, jtFile, jtCaption };

// The shell as the label uses it; Win32 passes the call to ShellExecuteA.
class TLinkShell {
 public:
  virtual ~TLinkShell() = default;
  // The full path of the running program file.
  virtual std::string ProgramPath() = 0;
  // The application object's hidden top-level window.
  virtual void* ApplicationWindow() = 0;
  virtual void Execute(void* owner, const char* verb, const std::string& file,
                       const char* parameters, const std::string& directory, int show) = 0;
};

// The targets that one Jump opens, in order. Nothing is tested or encoded:
// the prefixes go in front unconditionally.
std::vector<std::string> JumpTargets(TJumpType type, const std::string& jumpTo,
                                     const std::string& caption);

// Opens one target with the verb "Open", no parameters and the program's own
// directory; the result is ignored.
void OpenTarget(TLinkShell& shell, const std::string& target);

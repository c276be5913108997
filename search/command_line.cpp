#include "search/command_line.h"

std::string_view ScriptName(TWriteMode mode) {
  return mode == TWriteMode::Overwrite ? kOverwriteScript : kAppendScript;
}

std::string BuildCommandLine(std::string_view script, std::string_view word1,
                             std::string_view word2, std::string_view database) {
  std::string line;
  line.reserve(script.size() + word1.size() + word2.size() + database.size() + 3);
  line.append(script).append(" ").append(word1).append(" ").append(word2).append(" ");
  line.append(database);
  return line;
}

std::string ResultFilePath(std::string_view drive, TSearchMode mode) {
  std::string path(drive);
  path.append(mode == TSearchMode::Text ? "\\temp\\out.txt" : "\\temp\\out.htm");
  return path;
}

namespace {

// Lead bytes of code page 932's double-byte characters.
bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

}  // namespace

std::string EscapeForCmd(std::string_view commandLine) {
  std::string escaped;
  escaped.reserve(commandLine.size() * 2);
  bool quoted = false;
  for (std::size_t i = 0; i < commandLine.size(); ++i) {
    const char c = commandLine[i];
    // A trail byte may be 0x5E '^' or 0x7C '|' (タ, ポ); cmd reads the line as
    // characters, so both bytes of a character pass untouched.
    if (IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < commandLine.size()) {
      escaped.append(commandLine.substr(i, 2));
      ++i;
      continue;
    }
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && (c == '&' || c == '|' || c == '<' || c == '>' || c == '^')) {
      escaped.push_back('^');
    }
    escaped.push_back(c);
  }
  return escaped;
}

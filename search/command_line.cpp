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

#pragma once
// What one search command hands to the search launcher.

#include <string>

enum class TWriteMode { Overwrite, Append };
enum class TSearchMode { Text, Html };

// Texts are Shift-JIS byte strings, taken from the window unchanged.
struct TSearchRequest {
  std::string Word1;
  std::string Word2;
  TWriteMode WriteMode = TWriteMode::Overwrite;
  std::string DatabaseName;
  TSearchMode SearchMode = TSearchMode::Text;
};

#pragma once
// Whether a file exists, as the search, the tools command and the viewers ask.

#include <string>

// True for an existing file that is not a directory (FindFirstFileA); a bare
// name is looked up in the working directory.
bool Win32FileExists(const std::string& name);

#pragma once
// The folder part of a Windows path. Platform-free, so that the titles and
// link targets made from it are tested natively.

#include <string>

// The path cut after its last separator ("\", "/" or a drive colon), read as
// Shift-JIS so that a 0x5C trail byte is not taken for one.
std::string ProgramDirectory(const std::string& programPath);

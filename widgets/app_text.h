#pragma once
// Texts the application object derives: its title and the error box's text.

#include <string>

// The program file's name without its folder, cut before its first ".", with
// every character after the first in lower case (ASCII letters; a double-byte
// character is kept as it is).
std::string ApplicationTitle(const std::string& programPath);

// The error message with "." appended when its last byte sorts after ".".
std::string ErrorBoxText(const std::string& message);

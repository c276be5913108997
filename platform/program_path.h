#pragma once
// The full path of the running program file (GetModuleFileNameA), however
// long it is: the application's title and the links' working folder come
// from it.

#include <string>

std::string ProgramPath();

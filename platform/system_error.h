#pragma once
// The system's own wording of an error code, for messages shown to the user.

#include <stdexcept>
#include <string>

// Without trailing blanks, line breaks and full stops, so that it can stand
// inside a sentence.
std::string SystemErrorText(unsigned long code);

#pragma once
// Access keys: "&" in a caption marks the next character as the key that
// picks the control ("&&" stands for a plain "&").

#include <string_view>

// The marked character, or 0 when the caption marks none. A double-byte
// character cannot be an access key.
char AccelChar(std::string_view caption);

// True when ch picks the caption's control; letters match in either case.
bool IsAccel(char ch, std::string_view caption);

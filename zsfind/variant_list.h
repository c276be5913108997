#pragma once
// The table of old and variant kanji as zsfind --list-variants prints it: one
// group a line, the kanji the group reads as first, in Shift-JIS; a form code
// page 932 lacks is written as U+XXXX.

#include <string>

std::string VariantList();

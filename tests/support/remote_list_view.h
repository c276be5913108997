#pragma once
// Where an item of another program's list view lies on the screen: the list
// view's messages that take a pointer are given memory in that program.

#include <windows.h>

#include <optional>
#include <string>

namespace testsupport {

// The screen rectangle of the label of the first item whose text begins with
// `text`; nothing when no item does.
std::optional<RECT> ListViewItemLabel(HWND listView, const std::string& text);

}  // namespace testsupport

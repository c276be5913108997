#pragma once
// Real input for driving another program as a person does: the pointer moved
// and the buttons pressed through SendInput at a place on the screen, keys
// typed, and menus opened and chosen by mouse. Input goes to the foreground
// window, so bring the target's window in front first.

#include <windows.h>

#include <string>

namespace testsupport {

// Makes `window` the foreground window; false when it did not become so.
bool BringToFront(HWND window);

// Screen places: a window's centre, and a point of its client area.
POINT CentreOf(HWND window);
POINT ScreenPoint(HWND window, POINT client);

// Moves the pointer and waits until it is there (within a pixel).
void MovePointer(POINT to);
void Click(POINT at);
void DoubleClick(POINT at);
// Presses the left button at `from`, moves to `to` and lets go there.
void Drag(POINT from, POINT to);
// The two halves of a left click, for what happens while the button is held.
void LeftDown(POINT at);
void LeftUp(POINT at);

// Types the text key by key (with Shift where a character needs it).
void TypeText(const std::string& text);

// Opens menu `menu` of the window's menu bar by clicking it and clicks item
// `item` of the menu that drops down. Both count what is written there, from
// 0, so separators are not counted. False when either was not found.
bool ChooseMenuItem(HWND window, int menu, int item);

}  // namespace testsupport

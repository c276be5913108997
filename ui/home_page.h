#pragma once
// The program's home page: opened by the main window's help menu and by the
// about window's link.

inline constexpr const char* kHomePage = "http://www.example.com/zunoseek/";

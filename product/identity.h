#pragma once
// Who the program is: the texts that name it and the places it points to,
// for every window that shows them. Constants only; no include, no platform.

// The program's name, the main window's caption; the about and readme
// windows' captions begin with it.
inline constexpr const char* kProgramCaption = "ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ";

// The program's home page: opened by the main window's help menu and by the
// about window's link.
inline constexpr const char* kHomePage = "http://www.example.com/zunoseek/";

// The author's address: the about window's e-mail link's text and target.
inline constexpr const char* kAuthorMail = "zunoseek@example.com";

// The window classes of the program's forms and of its hidden application
// window, which owns them and holds the taskbar button.
inline constexpr const char* kFormWindowClass = "TZunoseekForm";
inline constexpr const char* kApplicationWindowClass = "TZunoseekApplication";

// The key under HKEY_CURRENT_USER that holds the program's settings.
inline constexpr const char* kSettingsKey = "zsearch";

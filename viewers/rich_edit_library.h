#pragma once
// Rich Edit 1.0 ("RICHED32.DLL", window class "RICHEDIT"), loaded once from
// the system folder before the first viewer creates its text area.

inline constexpr const char* kRichEditClass = "RICHEDIT";

// Raises an error when the library cannot be loaded.
void LoadRichEditLibrary();

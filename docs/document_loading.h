#pragma once
// Reads a document file into a rich-text area: as RTF, else as plain text in
// the system's code page.

#include <windows.h>

#include <string>

inline constexpr const char* kStreamFailedMessage = "ストリームからの読み込みに失敗しました";

// Replaces the area's whole text with the file's content. Raises an error with
// the open error text when the file cannot be opened for reading (also while
// another program holds it open for writing), and kStreamFailedMessage when
// neither reading succeeds. The file is closed in every case.
void LoadDocument(HWND richEdit, const std::string& fileName);

// "ファイル "<full path>". <reason> は開けません", joined piece by piece: the
// path is the user's text and never goes through a format string.
std::string OpenErrorText(const std::string& fullPath, const std::string& reason);

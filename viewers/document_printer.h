#pragma once
// Prints a rich-text area's whole text on the system's default printer, with
// no dialog. One job at a time in the whole program.

#include "widgets/color_and_font.h"

#include <windows.h>

#include <string>

inline constexpr const char* kNoPrinterMessage = "デフォルト プリンタが存在しません";
inline constexpr const char* kAlreadyPrintingMessage = "現在印刷中です";

// Dispatches the pending window messages while the job is spooled, so that
// the windows stay live; called from the job's abort procedure.
using TPumpMessages = void (*)();

// The default printer is looked up at the first print and kept for the run.
// Raises kAlreadyPrintingMessage while another job is being printed and
// kNoPrinterMessage, before anything is sent, when there is no default printer.
// Where the control cannot lay out pages itself, its text is printed as
// plain text in plainFont.
void PrintDocument(HWND richEdit, const TFontAttributes& plainFont, const std::string& jobTitle,
                   TPumpMessages pump);

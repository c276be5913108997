#pragma once
// Reads a document file into a Rich Edit control: as RTF, else as plain text
// in the system's code page (see document_reading.h for the order).

#include "viewers/document_reading.h"

#include <windows.h>

#include <string>

// Replaces the area's whole text with the file's content. Raises an error with
// the open error text when the file cannot be opened for reading (also while
// another program holds it open for writing), and kStreamFailedMessage when
// neither reading succeeds. The file is closed in every case.
void LoadDocument(HWND richEdit, const std::string& fileName);

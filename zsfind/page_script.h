#pragma once
// The script in the HTML result's head. It adds to each section with records
// the controls that work on its rows: heading buttons that sort them, a box
// that filters them, the chart's bars that show a decade, and buttons that
// save them as CSV and copy them as tab-separated text. Without it (scripts
// off, a mail attachment, print) the page shows every record as written.

#include <string_view>

// The script's text, in Shift-JIS like the page it goes into (it holds the
// controls' Japanese labels).
std::string_view PageScript();

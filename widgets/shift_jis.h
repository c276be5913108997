#pragma once
// Shift-JIS byte classes, for code that walks captions and paths byte by byte:
// a trail byte may look like "\" (0x5C) or a letter and must not be taken for one.

inline bool IsShiftJisLead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

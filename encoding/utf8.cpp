#include "encoding/utf8.h"

#include <cstring>

namespace {

// True when [p, end) is the start of a well-formed sequence that the end cuts off.
bool IsCutSequence(const unsigned char* p, const unsigned char* end) {
  const auto have = static_cast<std::size_t>(end - p);
  if (have >= 4) return false;
  // Some continuation completes it, if any does: the second byte's range
  // depends on the lead byte.
  for (const unsigned char fill : {0x80, 0x90, 0xA0, 0xBF}) {
    unsigned char sequence[4] = {fill, fill, fill, fill};
    std::memcpy(sequence, p, have);
    const TUtf8Char c = DecodeUtf8(sequence, sequence + 4);
    if (c.Valid && c.Length > have) return true;
  }
  return false;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | code >> 6);
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | code >> 12);
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | code >> 18);
    out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::size_t CountInvalidUtf8(const unsigned char* begin, const unsigned char* end, bool cut) {
  std::size_t invalid = 0;
  for (const unsigned char* p = begin; p < end;) {
    // Runs of ASCII, the bulk of many files, eight bytes at a time.
    std::uint64_t eight;
    if (end - p >= 8 && (std::memcpy(&eight, p, 8), (eight & 0x8080808080808080ull) == 0)) {
      p += 8;
      continue;
    }
    const TUtf8Char c = DecodeUtf8(p, end);
    // A lead byte whose sequence the end cuts off is no error when more follows.
    if (!c.Valid && cut && IsCutSequence(p, end)) break;
    invalid += c.Valid ? 0 : 1;
    p += c.Length;
  }
  return invalid;
}

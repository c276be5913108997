#include "zsfind/file_system.h"

#include "encoding/shift_jis.h"

std::string ParentDirectory(std::string_view path) {
  const auto* begin = reinterpret_cast<const unsigned char*>(path.data());
  const auto* end = begin + path.size();
  const unsigned char* lastSeparator = nullptr;
  for (const unsigned char* p = begin; p < end; p += ShiftJisCharLength(p, end)) {
    if (*p == '\\' || *p == '/') lastSeparator = p;
  }
  if (!lastSeparator) return {};
  return std::string(path.substr(0, static_cast<std::size_t>(lastSeparator - begin)));
}

// The buffer is written, and data that would fill it again is written as it
// stands: a long record never doubles in the buffer.
void TWriteFile::WriteThrough(std::string_view data) {
  Flush();
  if (data.size() < kBufferSize) {
    FPending.append(data);
    return;
  }
  if (!FFailed) FFailed = !RawWrite(data);
  FWritten += data.size();
}

void TWriteFile::Flush() {
  if (!FPending.empty() && !FFailed) {
    FFailed = !RawWrite(FPending);
    FWritten += FPending.size();
  }
  FPending.clear();
}

void TWriteFile::WriteAt(std::uint64_t offset, std::string_view data) {
  Flush();
  if (!FFailed) FFailed = !RawWriteAt(offset, data);
}

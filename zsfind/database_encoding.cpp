#include "zsfind/database_encoding.h"

#include "encoding/utf8.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct TMark {
  std::string_view Bytes;
  TDatabaseEncoding Encoding;
};

constexpr TMark kMarks[] = {
    {"\xEF\xBB\xBF", TDatabaseEncoding::Utf8WithMark},
    {"\xFF\xFE", TDatabaseEncoding::Utf16Le},
    {"\xFE\xFF", TDatabaseEncoding::Utf16Be},
};

}  // namespace

TDetectedEncoding DetectEncoding(std::string_view head, std::string_view sample, bool atEnd) {
  for (const TMark& mark : kMarks) {
    if (head.substr(0, mark.Bytes.size()) == mark.Bytes) return {mark.Encoding, mark.Bytes.size()};
  }
  if (sample.empty()) return {};
  const auto* begin = reinterpret_cast<const unsigned char*>(sample.data());
  const bool valid = CountInvalidUtf8(begin, begin + sample.size(), !atEnd) == 0;
  return {valid ? TDatabaseEncoding::Utf8 : TDatabaseEncoding::ShiftJis, 0};
}

std::optional<TDetectedEncoding> DetectEncoding(TReadFile& file) {
  constexpr std::size_t kBlock = 64 * 1024;
  std::vector<unsigned char> block(kBlock);
  std::string head, sample;
  bool atEnd = false;
  while (!atEnd && sample.size() < kSampleBytes) {
    const long long n = file.Read(block.data(), block.size());
    if (n < 0) return std::nullopt;
    atEnd = n == 0;
    const auto* data = reinterpret_cast<const char*>(block.data());
    const std::string_view read(data, static_cast<std::size_t>(n));
    if (head.size() < 4) head.append(read.substr(0, 4 - head.size()));
    // Plain ASCII reads alike in every encoding: skipped until a byte above 0x7F.
    const auto high = sample.empty()
                          ? std::find_if(read.begin(), read.end(), [](char c) { return c & 0x80; })
                          : read.begin();
    sample.append(high, read.end());
    // A byte-order mark decides at once.
    if (head.size() >= 3 && DetectEncoding(head, {}, false).MarkLength > 0) break;
  }
  sample.resize(std::min(sample.size(), kSampleBytes));
  const TDetectedEncoding detected = DetectEncoding(head, sample, atEnd);
  if (!file.Seek(detected.MarkLength)) return std::nullopt;
  return detected;
}

TCharCoding CodingOf(TDatabaseEncoding encoding) {
  return encoding == TDatabaseEncoding::ShiftJis ? TCharCoding::ShiftJis : TCharCoding::Utf8;
}

std::string_view EncodingName(TDatabaseEncoding encoding) {
  switch (encoding) {
    case TDatabaseEncoding::ShiftJis:
      return "Shift-JIS";
    case TDatabaseEncoding::Utf8:
      return "UTF-8";
    case TDatabaseEncoding::Utf8WithMark:
      return "UTF-8（BOM付き）";
    case TDatabaseEncoding::Utf16Le:
      return "UTF-16LE";
    case TDatabaseEncoding::Utf16Be:
      return "UTF-16BE";
  }
  return {};
}

TDatabaseInput::TDatabaseInput(TReadFile& file, const TDetectedEncoding& detected,
                               const TScanLimits& limits) {
  const bool bigEndian = detected.Encoding == TDatabaseEncoding::Utf16Be;
  if (!bigEndian && detected.Encoding != TDatabaseEncoding::Utf16Le) {
    FSource = MakeChunkSource(file, limits, detected.MarkLength);
    return;
  }
  FUtf16.emplace(
      [&file](unsigned char* buffer, std::size_t size) { return file.Read(buffer, size); },
      bigEndian);
  FSource = MakeBlockSource(
      [this](unsigned char* buffer, std::size_t size) { return FUtf16->Read(buffer, size); },
      limits);
}

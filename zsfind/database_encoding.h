#pragma once
// The encoding a database is written in, told from its first bytes before the
// search: UTF-8 or UTF-16 (little or big endian) with a byte-order mark; UTF-8
// without one when the text is valid UTF-8 and not plain ASCII; else
// Shift-JIS (code page 932). "Valid" is judged on a sample: from the first
// byte above 0x7F on, kSampleBytes of it (or the rest of the file). The
// database is then read in chunks in that encoding: UTF-16 is converted to
// UTF-8 block by block; Shift-JIS and UTF-8 are read (or mapped) as they
// stand, from after the byte-order mark.

#include "zsfind/char_fold.h"
#include "zsfind/chunk_source.h"
#include "zsfind/file_system.h"
#include "zsfind/utf16_reader.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

enum class TDatabaseEncoding { ShiftJis, Utf8, Utf8WithMark, Utf16Le, Utf16Be };

struct TDetectedEncoding {
  TDatabaseEncoding Encoding = TDatabaseEncoding::ShiftJis;
  std::size_t MarkLength = 0;  // the byte-order mark, which is not part of the first record
};

inline constexpr std::size_t kSampleBytes = 64 * 1024;

// head: the file's first 4 bytes (or all of a shorter file); sample: the
// bytes from the first one above 0x7F on, up to kSampleBytes (empty when
// there is none); atEnd: the sample reaches the end of the file.
TDetectedEncoding DetectEncoding(std::string_view head, std::string_view sample, bool atEnd);

// Reads the head and the sample from the file and leaves it positioned after
// the byte-order mark; none on a read error.
std::optional<TDetectedEncoding> DetectEncoding(TReadFile& file);

// How a database in the encoding is searched: UTF-16 is read as UTF-8.
TCharCoding CodingOf(TDatabaseEncoding encoding);

// The encoding's name in the results.
std::string_view EncodingName(TDatabaseEncoding encoding);

// The chunks of the database in its encoding.
class TDatabaseInput {
 public:
  // The file stands after the byte-order mark; the limits outlive the input.
  TDatabaseInput(TReadFile& file, const TDetectedEncoding& detected, const TScanLimits& limits);

  TChunkSource& Chunks() { return *FSource; }
  // UTF-16 units that were no character.
  std::uint64_t InvalidUnits() const { return FUtf16 ? FUtf16->Invalid() : 0; }

 private:
  std::optional<TUtf16Reader> FUtf16;
  std::unique_ptr<TChunkSource> FSource;
};

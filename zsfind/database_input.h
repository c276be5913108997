#pragma once
// The chunks of a database in the encoding it is written in: UTF-16 is
// converted to UTF-8 block by block; Shift-JIS and UTF-8 are read (or mapped)
// as they stand, from after the byte-order mark.

#include "zsfind/chunk_source.h"
#include "zsfind/database_encoding.h"
#include "zsfind/utf16_reader.h"

#include <cstdint>
#include <memory>
#include <optional>

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

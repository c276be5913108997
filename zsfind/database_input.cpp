#include "zsfind/database_input.h"

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

#pragma once
// The database cut into chunks of whole records for the search: mapped views
// of the file, or blocks read into buffers where it cannot be mapped (and
// always on Windows). Records longer than the limit are skipped and counted.
// Memory stays bounded whatever the file's size.

#include "zsfind/file_system.h"
#include "zsfind/utf16_reader.h"

#include <cstdint>
#include <memory>
#include <vector>

struct TScanLimits {
  std::size_t BlockSize = 1 << 20;  // of a reading buffer, which grows to MaxRecord
  std::size_t MaxRecord = 16 << 20;
  bool Map = true;  // false: always read into buffers (Windows always does)
};

struct TChunk {
  // Whole records: End is just past a '\n' or at the end of the data.
  const unsigned char* Begin = nullptr;
  const unsigned char* End = nullptr;
  // A read chunk's buffer: its records, then the start of the next record,
  // up to Filled.
  std::vector<unsigned char> Buffer;
  std::size_t Filled = 0;
#if !defined(_WIN32)
  TFileView View;
#endif
};

class TChunkSource {
 public:
  virtual ~TChunkSource() = default;
  // The next chunk, made in `spare` (a chunk the search is done with) or in a
  // new one; null at the end of the data or on a read error. `previous` is the
  // chunk before, which the search may still be reading: the start of a record
  // cut at its end is taken from there. spare and previous may be one chunk.
  virtual std::unique_ptr<TChunk> Next(std::unique_ptr<TChunk> spare, const TChunk* previous) = 0;
  // True when a page of a view could not be read: its bytes read as zeros.
  virtual bool HasPageFailed() const { return false; }

  std::uint64_t LongRecords = 0;
  bool ReadFailed = false;
};

// Views where the limits allow and the file can be mapped, else blocks. The
// data starts at `start` (after a byte-order mark), where the file stands.
std::unique_ptr<TChunkSource> MakeChunkSource(TReadFile& file, const TScanLimits& limits,
                                              std::uint64_t start = 0);
// Blocks of what `read` gives (a file read through a conversion).
std::unique_ptr<TChunkSource> MakeBlockSource(TReadBytes read, const TScanLimits& limits);

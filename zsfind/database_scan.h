#pragma once
// Streams a database through the matcher in windows (mapped views of the file,
// or blocks read into a buffer where it cannot be mapped and always on
// Windows), so memory stays bounded whatever the file's size. Records longer
// than MaxRecord are skipped and counted. A read error, in a block or in a
// page of a view, ends the scan and is reported.

#include "zsfind/record_matcher.h"

#include <cstdint>
#include <functional>
#include <string_view>

class TReadFile;

struct TScanLimits {
  std::size_t BlockSize = 1 << 20;  // of the reading buffer, which grows to MaxRecord
  std::size_t MaxRecord = 16 << 20;
  bool Map = true;  // false: always read into the buffer (Windows always does)
};

struct TScanOutcome {
  std::uint64_t Matches = 0;
  std::uint64_t LongRecords = 0;
  bool ReadFailed = false;
};

using TRecordSink = std::function<void(std::string_view record)>;

TScanOutcome ScanDatabase(TReadFile& file, TRecordMatcher& matcher, const TRecordSink& sink,
                          const TScanLimits& limits = {});

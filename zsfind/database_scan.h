#pragma once
// Streams a database through the matcher chunk by chunk (see chunk_source.h),
// the next chunk made while the current one is searched. A read error, in a
// block or in a page of a view, ends the scan and is reported.

#include "zsfind/chunk_source.h"
#include "zsfind/record_matcher.h"

#include <cstdint>
#include <functional>
#include <string_view>

struct TScanOutcome {
  std::uint64_t Matches = 0;
  std::uint64_t LongRecords = 0;
  bool ReadFailed = false;
};

using TRecordSink = std::function<void(std::string_view record)>;

TScanOutcome ScanDatabase(TReadFile& file, TRecordMatcher& matcher, const TRecordSink& sink,
                          const TScanLimits& limits = {});

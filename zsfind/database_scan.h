#pragma once
// Streams a database through the matcher chunk by chunk (see chunk_source.h)
// on two threads. Each makes chunks of its own (maps a view or reads a block)
// and searches them while the other makes and searches the next, so reading
// and searching share two processors; the matching records reach the sink one
// at a time and in the database's order. A read error, in a block or in a page
// of a view, ends the scan and is reported: no record after it reaches the
// sink.

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

// What the sink throws (running out of memory) ends the scan and is thrown on.
TScanOutcome ScanDatabase(TReadFile& file, TRecordMatcher& matcher, const TRecordSink& sink,
                          const TScanLimits& limits = {});

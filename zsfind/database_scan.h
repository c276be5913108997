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
  // UTF-8 text: bytes that are no UTF-8 in a sample of kSampleSpan bytes out
  // of every kSampleStep, which finds any stretch in another encoding longer
  // than the step at a sixteenth of the cost of checking every byte.
  std::uint64_t InvalidBytes = 0;
};

inline constexpr std::size_t kSampleStep = 64 * 1024;
inline constexpr std::size_t kSampleSpan = 4 * 1024;

using TRecordSink = std::function<void(std::string_view record)>;

// What the sink throws (running out of memory) ends the scan and is thrown on.
// sampleSize: how much of the first chunk the anchor is chosen on.
TScanOutcome ScanDatabase(TChunkSource& source, TRecordMatcher& matcher, const TRecordSink& sink,
                          std::size_t sampleSize);
// A whole file, from its start.
TScanOutcome ScanDatabase(TReadFile& file, TRecordMatcher& matcher, const TRecordSink& sink,
                          const TScanLimits& limits = {});

#include "zsfind/database_scan.h"

#include "encoding/utf8.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// A chunk searched before its turn to reach the sink keeps at most this many
// of its matching records; the rest of it is searched in its turn.
constexpr std::size_t kHeldRecords = 4096;

std::uint64_t SampledInvalidUtf8(const unsigned char* begin, const unsigned char* end) {
  std::uint64_t invalid = 0;
  for (const unsigned char* at = begin; at < end;) {
    const unsigned char* stop =
        end - at > static_cast<std::ptrdiff_t>(kSampleSpan) ? at + kSampleSpan : end;
    // A sample starts where a character does.
    for (int i = 0; i < 3 && at < stop && IsUtf8Continuation(*at); ++i) ++at;
    invalid += CountInvalidUtf8(at, stop, stop < end);
    at = end - stop > static_cast<std::ptrdiff_t>(kSampleStep - kSampleSpan)
             ? stop + (kSampleStep - kSampleSpan)
             : end;
  }
  return invalid;
}

// The chunks are numbered as they are made; a chunk's records reach the sink
// in its turn, after those of every chunk before it.
class TDatabaseScan {
 public:
  TDatabaseScan(TChunkSource& source, TRecordMatcher& matcher, const TRecordSink& sink,
                std::size_t sampleSize)
      : FSource(source), FMatcher(matcher), FSink(sink), FSampleSize(sampleSize) {}

  // Searches on this thread and one more (when one can be started).
  std::uint64_t Run();
  std::uint64_t InvalidBytes() const { return FInvalid; }

 private:
  void Work(std::unique_ptr<TChunk>& chunk);
  bool Take(std::unique_ptr<TChunk>& chunk, std::uint64_t& number);
  bool Search(const TChunk& chunk, std::uint64_t number, std::vector<std::string_view>& held);
  bool AwaitTuned();
  bool IsTurn(std::uint64_t number);
  bool AwaitTurn(std::uint64_t number);
  bool PassTurn(std::uint64_t number);
  void Stop(std::exception_ptr error);

  TChunkSource& FSource;
  TRecordMatcher& FMatcher;
  const TRecordSink& FSink;
  const std::size_t FSampleSize;

  std::mutex FSourceMutex;        // one chunk is made at a time, in order
  const TChunk* FLast = nullptr;  // the chunk made last, which the next continues
  std::uint64_t FMade = 0;
  bool FEnded = false;

  std::mutex FTurnMutex;
  std::condition_variable FTurnPassed;  // or the anchor chosen, or a stop
  bool FTuned = false;
  std::uint64_t FTurn = 0;            // the chunk whose records reach the sink next
  std::atomic<bool> FStopped{false};  // by a read error or an exception
  std::exception_ptr FError;
  std::uint64_t FMatches = 0;  // counted in turn
  std::atomic<std::uint64_t> FInvalid{0};
};

std::uint64_t TDatabaseScan::Run() {
  // Each thread's chunk, kept until both are done: the chunk made next may
  // take the start of its first record from the one made before.
  std::unique_ptr<TChunk> chunks[2];
  std::thread helper;
  try {
    helper = std::thread([&] { Work(chunks[1]); });
  } catch (const std::system_error&) {
  }
  Work(chunks[0]);
  if (helper.joinable()) helper.join();
  if (FError) std::rethrow_exception(FError);
  return FMatches;
}

void TDatabaseScan::Work(std::unique_ptr<TChunk>& chunk) {
  try {
    std::vector<std::string_view> held;
    std::uint64_t number = 0;
    while (Take(chunk, number) && Search(*chunk, number, held)) {
    }
  } catch (...) {
    Stop(std::current_exception());
  }
}

// Makes the next chunk in the thread's own; false at the end of the data or
// after a stop. The anchor is chosen on the first chunk, as a sample of the
// rest, while the next is made; no chunk is searched before.
bool TDatabaseScan::Take(std::unique_ptr<TChunk>& chunk, std::uint64_t& number) {
  {
    const std::lock_guard<std::mutex> lock(FSourceMutex);
    if (FEnded || FStopped) return false;
    // FEnded unless a chunk comes: what Next throws may have taken the last one.
    FEnded = true;
    chunk = FSource.Next(std::move(chunk), FLast);
    FLast = chunk.get();
    FEnded = !chunk;
    if (FEnded) return false;
    number = FMade++;
  }
  if (number > 0) return AwaitTuned();
  const auto size = std::min(static_cast<std::size_t>(chunk->End - chunk->Begin), FSampleSize);
  FMatcher.Tune({reinterpret_cast<const char*>(chunk->Begin), size});
  {
    const std::lock_guard<std::mutex> lock(FTurnMutex);
    FTuned = true;
  }
  FTurnPassed.notify_all();
  return true;
}

// False when the scan stopped meanwhile.
bool TDatabaseScan::AwaitTuned() {
  std::unique_lock<std::mutex> lock(FTurnMutex);
  FTurnPassed.wait(lock, [&] { return FTuned || FStopped; });
  return !FStopped;
}

// A chunk whose turn has not come is searched ahead, its records held, until
// its turn comes or too many are held.
bool TDatabaseScan::Search(const TChunk& chunk, std::uint64_t number,
                           std::vector<std::string_view>& held) {
  const unsigned char* from = chunk.Begin;
  if (FMatcher.Coding() == TCharCoding::Utf8) FInvalid += SampledInvalidUtf8(from, chunk.End);
  if (!IsTurn(number)) {
    held.clear();
    from = FMatcher.ForEachMatch(from, chunk.End, [&](std::string_view record) {
      held.push_back(record);
      return held.size() < kHeldRecords;
    });
    if (!AwaitTurn(number)) return false;
    for (const std::string_view record : held) {
      ++FMatches;
      FSink(record);
    }
  }
  FMatcher.ForEachMatch(from, chunk.End, [&](std::string_view record) {
    ++FMatches;
    FSink(record);
    return true;
  });
  return PassTurn(number);
}

bool TDatabaseScan::IsTurn(std::uint64_t number) {
  const std::lock_guard<std::mutex> lock(FTurnMutex);
  return FTurn == number;
}

// False when the scan stopped meanwhile.
bool TDatabaseScan::AwaitTurn(std::uint64_t number) {
  std::unique_lock<std::mutex> lock(FTurnMutex);
  FTurnPassed.wait(lock, [&] { return FTurn == number || FStopped; });
  return !FStopped;
}

// A page of a view that could not be read (in this chunk or one being made)
// stops the scan after this chunk's records.
bool TDatabaseScan::PassTurn(std::uint64_t number) {
  const bool failed = FSource.HasPageFailed();
  {
    const std::lock_guard<std::mutex> lock(FTurnMutex);
    if (failed) {
      FStopped = true;
    } else {
      FTurn = number + 1;
    }
  }
  FTurnPassed.notify_all();
  return !FStopped;
}

void TDatabaseScan::Stop(std::exception_ptr error) {
  {
    const std::lock_guard<std::mutex> lock(FTurnMutex);
    if (!FError) FError = error;
    FStopped = true;
  }
  FTurnPassed.notify_all();
}

}  // namespace

TScanOutcome ScanDatabase(TChunkSource& source, TRecordMatcher& matcher, const TRecordSink& sink,
                          std::size_t sampleSize) {
  TScanOutcome outcome;
  TDatabaseScan scan(source, matcher, sink, sampleSize);
  outcome.Matches = scan.Run();
  outcome.InvalidBytes = scan.InvalidBytes();
  outcome.LongRecords = source.LongRecords;
  outcome.ReadFailed = source.HasPageFailed() || source.ReadFailed;
  return outcome;
}

TScanOutcome ScanDatabase(TReadFile& file, TRecordMatcher& matcher, const TRecordSink& sink,
                          const TScanLimits& limits) {
  const std::unique_ptr<TChunkSource> source = MakeChunkSource(file, limits);
  return ScanDatabase(*source, matcher, sink, limits.BlockSize);
}

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
      : Source(source), Matcher(matcher), Sink(sink), SampleSize(sampleSize) {}

  // Searches on this thread and one more (when one can be started).
  std::uint64_t Run();
  std::uint64_t InvalidBytes() const { return Invalid; }

 private:
  void Work(std::unique_ptr<TChunk>& chunk);
  bool Take(std::unique_ptr<TChunk>& chunk, std::uint64_t& number);
  bool Search(const TChunk& chunk, std::uint64_t number, std::vector<std::string_view>& held);
  bool AwaitTuned();
  bool IsTurn(std::uint64_t number);
  bool AwaitTurn(std::uint64_t number);
  bool PassTurn(std::uint64_t number);
  void Stop(std::exception_ptr error);

  TChunkSource& Source;
  TRecordMatcher& Matcher;
  const TRecordSink& Sink;
  const std::size_t SampleSize;

  std::mutex SourceMutex;        // one chunk is made at a time, in order
  const TChunk* Last = nullptr;  // the chunk made last, which the next continues
  std::uint64_t Made = 0;
  bool Ended = false;

  std::mutex TurnMutex;
  std::condition_variable TurnPassed;  // or the anchor chosen, or a stop
  bool Tuned = false;
  std::uint64_t Turn = 0;            // the chunk whose records reach the sink next
  std::atomic<bool> Stopped{false};  // by a read error or an exception
  std::exception_ptr Error;
  std::uint64_t Matches = 0;  // counted in turn
  std::atomic<std::uint64_t> Invalid{0};
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
  if (Error) std::rethrow_exception(Error);
  return Matches;
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
    const std::lock_guard<std::mutex> lock(SourceMutex);
    if (Ended || Stopped) return false;
    // Ended unless a chunk comes: what Next throws may have taken the last one.
    Ended = true;
    chunk = Source.Next(std::move(chunk), Last);
    Last = chunk.get();
    Ended = !chunk;
    if (Ended) return false;
    number = Made++;
  }
  if (number > 0) return AwaitTuned();
  const auto size = std::min(static_cast<std::size_t>(chunk->End - chunk->Begin), SampleSize);
  Matcher.Tune({reinterpret_cast<const char*>(chunk->Begin), size});
  {
    const std::lock_guard<std::mutex> lock(TurnMutex);
    Tuned = true;
  }
  TurnPassed.notify_all();
  return true;
}

// False when the scan stopped meanwhile.
bool TDatabaseScan::AwaitTuned() {
  std::unique_lock<std::mutex> lock(TurnMutex);
  TurnPassed.wait(lock, [&] { return Tuned || Stopped; });
  return !Stopped;
}

// A chunk whose turn has not come is searched ahead, its records held, until
// its turn comes or too many are held.
bool TDatabaseScan::Search(const TChunk& chunk, std::uint64_t number,
                           std::vector<std::string_view>& held) {
  const unsigned char* from = chunk.Begin;
  if (Matcher.Coding() == TCharCoding::Utf8) Invalid += SampledInvalidUtf8(from, chunk.End);
  if (!IsTurn(number)) {
    held.clear();
    from = Matcher.ForEachMatch(from, chunk.End, [&](std::string_view record) {
      held.push_back(record);
      return held.size() < kHeldRecords;
    });
    if (!AwaitTurn(number)) return false;
    for (const std::string_view record : held) {
      ++Matches;
      Sink(record);
    }
  }
  Matcher.ForEachMatch(from, chunk.End, [&](std::string_view record) {
    ++Matches;
    Sink(record);
    return true;
  });
  return PassTurn(number);
}

bool TDatabaseScan::IsTurn(std::uint64_t number) {
  const std::lock_guard<std::mutex> lock(TurnMutex);
  return Turn == number;
}

// False when the scan stopped meanwhile.
bool TDatabaseScan::AwaitTurn(std::uint64_t number) {
  std::unique_lock<std::mutex> lock(TurnMutex);
  TurnPassed.wait(lock, [&] { return Turn == number || Stopped; });
  return !Stopped;
}

// A page of a view that could not be read (in this chunk or one being made)
// stops the scan after this chunk's records.
bool TDatabaseScan::PassTurn(std::uint64_t number) {
  const bool failed = Source.PageFailed();
  {
    const std::lock_guard<std::mutex> lock(TurnMutex);
    if (failed) {
      Stopped = true;
    } else {
      Turn = number + 1;
    }
  }
  TurnPassed.notify_all();
  return !Stopped;
}

void TDatabaseScan::Stop(std::exception_ptr error) {
  {
    const std::lock_guard<std::mutex> lock(TurnMutex);
    if (!Error) Error = error;
    Stopped = true;
  }
  TurnPassed.notify_all();
}

}  // namespace

TScanOutcome ScanDatabase(TChunkSource& source, TRecordMatcher& matcher, const TRecordSink& sink,
                          std::size_t sampleSize) {
  TScanOutcome outcome;
  TDatabaseScan scan(source, matcher, sink, sampleSize);
  outcome.Matches = scan.Run();
  outcome.InvalidBytes = scan.InvalidBytes();
  outcome.LongRecords = source.LongRecords;
  outcome.ReadFailed = source.PageFailed() || source.ReadFailed;
  return outcome;
}

TScanOutcome ScanDatabase(TReadFile& file, TRecordMatcher& matcher, const TRecordSink& sink,
                          const TScanLimits& limits) {
  const std::unique_ptr<TChunkSource> source = MakeChunkSource(file, limits);
  return ScanDatabase(*source, matcher, sink, limits.BlockSize);
}

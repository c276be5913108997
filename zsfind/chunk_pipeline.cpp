#include "zsfind/chunk_pipeline.h"

#include <system_error>

TChunkPipeline::TChunkPipeline(TChunkSource& source) : Source(source) {
  try {
    Worker = std::thread([this] { Produce(); });
  } catch (const std::system_error&) {
  }
}

TChunkPipeline::~TChunkPipeline() {
  if (!Worker.joinable()) return;
  {
    const std::lock_guard<std::mutex> lock(Mutex);
    Stopping = true;
  }
  Changed.notify_all();
  Worker.join();
}

std::unique_ptr<TChunk> TChunkPipeline::Next(std::unique_ptr<TChunk> done) {
  if (!Worker.joinable()) {
    const TChunk* previous = done.get();
    return Source.Next(std::move(done), previous);
  }
  std::unique_lock<std::mutex> lock(Mutex);
  if (done) Spare = std::move(done);
  Changed.wait(lock, [this] { return HasReady; });
  if (Error) std::rethrow_exception(Error);
  std::unique_ptr<TChunk> next = std::move(Ready);
  Current = next.get();
  // After the end there is nothing more to make: the end stays ready.
  HasReady = !next;
  Changed.notify_all();
  return next;
}

// Makes one chunk ahead: the next is begun only once the search has taken the
// last, so that it can be made in the chunk the search handed back.
void TChunkPipeline::Produce() {
  for (;;) {
    std::unique_ptr<TChunk> spare;
    const TChunk* previous = nullptr;
    {
      std::unique_lock<std::mutex> lock(Mutex);
      Changed.wait(lock, [this] { return !HasReady || Stopping; });
      if (Stopping) return;
      spare = std::move(Spare);
      previous = Current;
    }
    std::unique_ptr<TChunk> chunk;
    std::exception_ptr error;
    try {
      chunk = Source.Next(std::move(spare), previous);
    } catch (...) {
      error = std::current_exception();
    }
    const bool last = !chunk;
    {
      const std::lock_guard<std::mutex> lock(Mutex);
      Ready = std::move(chunk);
      Error = error;
      HasReady = true;
    }
    Changed.notify_all();
    if (last) return;
  }
}

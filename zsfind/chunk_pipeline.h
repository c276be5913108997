#pragma once
// Makes the next chunk of the database in a thread of its own while the search
// reads the current one: mapping a view (or reading a block) and searching it
// then take turns on two processors instead of adding up on one. Two chunks
// live at a time: the one searched and the one being made.

#include "zsfind/chunk_source.h"

#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

class TChunkPipeline {
 public:
  explicit TChunkPipeline(TChunkSource& source);
  TChunkPipeline(const TChunkPipeline&) = delete;
  TChunkPipeline& operator=(const TChunkPipeline&) = delete;
  // Stops making chunks; the source's counts are final afterwards.
  ~TChunkPipeline();

  // Hands back the chunk the search is done with (null the first time) and
  // returns the next; null at the end. Rethrows what making it threw.
  std::unique_ptr<TChunk> Next(std::unique_ptr<TChunk> done);

 private:
  void Produce();

  TChunkSource& Source;
  std::mutex Mutex;
  std::condition_variable Changed;
  std::unique_ptr<TChunk> Ready;
  bool HasReady = false;  // Ready holds the next chunk, or null for the end
  std::unique_ptr<TChunk> Spare;
  const TChunk* Current = nullptr;  // the chunk being searched
  bool Stopping = false;
  std::exception_ptr Error;
  std::thread Worker;  // without one (none could be started) chunks are made on demand
};

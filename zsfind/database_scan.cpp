#include "zsfind/database_scan.h"

#include "zsfind/chunk_pipeline.h"

#include <algorithm>

TScanOutcome ScanDatabase(TReadFile& file, TRecordMatcher& matcher, const TRecordSink& sink,
                          const TScanLimits& limits) {
  TScanOutcome outcome;
  const std::unique_ptr<TChunkSource> source = MakeChunkSource(file, limits);
  {
    TChunkPipeline pipeline(*source);
    bool tuned = false;
    for (std::unique_ptr<TChunk> chunk = pipeline.Next(nullptr); chunk;
         chunk = pipeline.Next(std::move(chunk))) {
      if (!tuned) {
        // The anchor is chosen on the first chunk, as a sample of the rest.
        const auto size =
            std::min(static_cast<std::size_t>(chunk->End - chunk->Begin), limits.BlockSize);
        matcher.Tune({reinterpret_cast<const char*>(chunk->Begin), size});
        tuned = true;
      }
      matcher.ForEachMatch(chunk->Begin, chunk->End, [&](std::string_view record) {
        ++outcome.Matches;
        sink(record);
      });
      if (source->PageFailed()) {
        outcome.ReadFailed = true;
        break;
      }
    }
  }
  outcome.LongRecords = source->LongRecords;
  outcome.ReadFailed = outcome.ReadFailed || source->ReadFailed;
  return outcome;
}

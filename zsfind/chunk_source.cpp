#include "zsfind/chunk_source.h"

#include "zsfind/record_matcher.h"

#include <algorithm>
#include <cstring>

namespace {

// Blocks read into buffers. The start of a record cut at a block's end is
// carried into the next chunk's buffer, which grows up to the longest record.
class TBlockSource : public TChunkSource {
 public:
  TBlockSource(TReadBytes read, const TScanLimits& limits)
      : FRead(std::move(read)), FLimits(limits) {}

  std::unique_ptr<TChunk> Next(std::unique_ptr<TChunk> spare, const TChunk* previous) override {
    if (FAtEnd) return nullptr;
    std::unique_ptr<TChunk> chunk = spare ? std::move(spare) : std::make_unique<TChunk>();
    std::vector<unsigned char>& buffer = chunk->Buffer;
    std::size_t filled = TakeTail(*chunk, previous);
    bool skipping = false;  // over a record longer than MaxRecord
    for (;;) {
      if (filled == buffer.size()) {
        // Room for the longest record and its CR LF.
        const std::size_t most = FLimits.MaxRecord + 2;
        if (buffer.size() < most) {
          buffer.resize(buffer.size() * 2 < FLimits.MaxRecord ? buffer.size() * 2 : most);
        } else {
          ++LongRecords;
          skipping = true;
          filled = 0;
        }
      }
      const long long n = FRead(buffer.data() + filled, buffer.size() - filled);
      if (n < 0) {
        ReadFailed = true;
        return nullptr;
      }
      if (n == 0) {
        FAtEnd = true;
        if (skipping || filled == 0) return nullptr;
        return Records(std::move(chunk), filled, filled);
      }
      unsigned char* added = buffer.data() + filled;
      if (skipping) {
        const auto* newline =
            static_cast<unsigned char*>(std::memchr(added, '\n', static_cast<std::size_t>(n)));
        if (!newline) continue;
        skipping = false;
        filled = static_cast<std::size_t>(added + n - (newline + 1));
        std::memmove(buffer.data(), newline + 1, filled);
        added = buffer.data();
      } else {
        filled += static_cast<std::size_t>(n);
      }
      // The bytes before `added` are the start of a record: no '\n' there.
      if (const unsigned char* last = LastNewline(added, buffer.data() + filled)) {
        return Records(std::move(chunk), static_cast<std::size_t>(last + 1 - buffer.data()),
                       filled);
      }
    }
  }

 private:
  // Moves the start of the record cut at the previous chunk's end to the
  // start of this one's buffer; returns its length.
  std::size_t TakeTail(TChunk& chunk, const TChunk* previous) const {
    std::vector<unsigned char>& buffer = chunk.Buffer;
    const std::size_t tail =
        previous
            ? static_cast<std::size_t>(previous->Buffer.data() + previous->Filled - previous->End)
            : 0;
    if (&chunk == previous) {
      std::memmove(buffer.data(), previous->End, tail);
    } else if (tail > 0) {
      if (buffer.size() < tail) buffer.resize(tail);
      std::memcpy(buffer.data(), previous->End, tail);
    }
    if (buffer.size() < FLimits.BlockSize) buffer.resize(FLimits.BlockSize);
    return tail;
  }

  static std::unique_ptr<TChunk> Records(std::unique_ptr<TChunk> chunk, std::size_t end,
                                         std::size_t filled) {
    chunk->Begin = chunk->Buffer.data();
    chunk->End = chunk->Buffer.data() + end;
    chunk->Filled = filled;
    return chunk;
  }

  TReadBytes FRead;
  const TScanLimits& FLimits;
  bool FAtEnd = false;
};

#if !defined(_WIN32)
// Mapped views. A view is small while records are short; where a record does
// not fit, it is mapped again as large as the longest record allowed.
class TViewSource : public TChunkSource {
 public:
  TViewSource(TReadFile& file, const TScanLimits& limits, std::uint64_t size, std::uint64_t start)
      : FFile(file), FSize(size), FLarge(RoundUp(limits.MaxRecord) + kGranularity), FPos(start) {
    TFileView::ClearFailures();
  }

  std::unique_ptr<TChunk> Next(std::unique_ptr<TChunk> spare, const TChunk*) override {
    std::unique_ptr<TChunk> chunk = spare ? std::move(spare) : std::make_unique<TChunk>();
    while (FPos < FSize) {
      const std::uint64_t base = FPos - FPos % kGranularity;
      for (const std::uint64_t window : {std::min(kSmall, FLarge), FLarge}) {
        const auto length = static_cast<std::size_t>(std::min(window, FSize - base));
        const unsigned char* data = chunk->View.Map(FFile, base, length);
        if (!data) {
          ReadFailed = true;
          return nullptr;
        }
        const unsigned char* begin = data + (FPos - base);
        const unsigned char* end = data + length;
        const unsigned char* last = base + length == FSize ? end - 1 : LastNewline(begin, end);
        if (last) {
          chunk->Begin = begin;
          chunk->End = last + 1;
          FPos = base + static_cast<std::uint64_t>(last + 1 - data);
          return chunk;
        }
      }
      ++LongRecords;
      if (!SkipLine(*chunk, base + FLarge)) return nullptr;
    }
    return nullptr;
  }

  bool HasPageFailed() const override { return TFileView::HasAnyPageFailed(); }

 private:
  static constexpr std::uint64_t kGranularity = TFileView::kGranularity;
  static constexpr std::uint64_t kSmall = 4 << 20;

  static std::uint64_t RoundUp(std::uint64_t n) {
    return (n + kGranularity - 1) / kGranularity * kGranularity;
  }

  // Moves FPos past the next '\n' at or after `from` (or to the end).
  bool SkipLine(TChunk& chunk, std::uint64_t from) {
    for (; from < FSize; from += FLarge) {
      const auto length = static_cast<std::size_t>(std::min(FLarge, FSize - from));
      const unsigned char* data = chunk.View.Map(FFile, from, length);
      if (!data) {
        ReadFailed = true;
        return false;
      }
      if (const void* newline = std::memchr(data, '\n', length)) {
        FPos = from +
               static_cast<std::uint64_t>(static_cast<const unsigned char*>(newline) - data) + 1;
        return true;
      }
    }
    FPos = FSize;
    return true;
  }

  TReadFile& FFile;
  const std::uint64_t FSize;
  const std::uint64_t FLarge;  // holds any record of up to MaxRecord bytes, wherever it starts
  std::uint64_t FPos;          // where the next record starts
};
#endif

}  // namespace

std::unique_ptr<TChunkSource> MakeChunkSource(TReadFile& file, const TScanLimits& limits,
                                              std::uint64_t start) {
#if !defined(_WIN32)
  const auto size = file.Size();
  TFileView probe;
  if (limits.Map && size && *size > 0 &&
      probe.Map(file, 0, static_cast<std::size_t>(std::min(*size, TFileView::kGranularity)))) {
    return std::make_unique<TViewSource>(file, limits, *size, start);
  }
#else
  (void)start;
#endif
  return MakeBlockSource(
      [&file](unsigned char* buffer, std::size_t wanted) { return file.Read(buffer, wanted); },
      limits);
}

std::unique_ptr<TChunkSource> MakeBlockSource(TReadBytes read, const TScanLimits& limits) {
  return std::make_unique<TBlockSource>(std::move(read), limits);
}

#include "zsfind/database_scan.h"

#include "zsfind/file_system.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const unsigned char* FindLastNewline(const unsigned char* begin, const unsigned char* end) {
  while (end > begin) {
    if (*--end == '\n') return end;
  }
  return nullptr;
}

class TScanner {
 public:
  TScanner(TRecordMatcher& matcher, const TRecordSink& sink, const TScanLimits& limits)
      : Matcher(matcher), Sink(sink), Limits(limits) {}

  TScanOutcome Run(TReadFile& file) {
#if !defined(_WIN32)
    const auto size = file.Size();
    if (Limits.Map && size && *size > 0 && RunMapped(file, *size)) return Outcome;
#endif
    return RunRead(file);
  }

 private:
#if !defined(_WIN32)
  // False when the file cannot be mapped at all; it is then read instead.
  bool RunMapped(TReadFile& file, std::uint64_t size) {
    std::uint64_t pos = 0;  // where the next unsearched record starts
    TFileView view;
    while (pos < size) {
      const std::uint64_t base = pos - pos % TFileView::kGranularity;
      const auto length = static_cast<std::size_t>(std::min(Window(), size - base));
      const unsigned char* data = view.Map(file, base, length);
      if (!data) {
        if (pos == 0) return false;
        Outcome.ReadFailed = true;
        return true;
      }
      const unsigned char* begin = data + (pos - base);
      const unsigned char* end = data + length;
      TuneOnce(begin, end);
      const unsigned char* last = base + length == size ? end - 1 : FindLastNewline(begin, end);
      if (!last) {
        ++Outcome.LongRecords;
        pos = NextLineStart(file, view, base + length, size);
        continue;
      }
      Search(begin, last + 1);
      if (view.Failed()) {
        Outcome.ReadFailed = true;
        return true;
      }
      pos = base + static_cast<std::uint64_t>(last + 1 - data);
    }
    return true;
  }

  // A window holds any record of up to MaxRecord bytes, wherever it starts.
  std::uint64_t Window() const {
    const std::uint64_t g = TFileView::kGranularity;
    return (Limits.MaxRecord + g - 1) / g * g + g;
  }

  // Skips the rest of an over-long record.
  std::uint64_t NextLineStart(TReadFile& file, TFileView& view, std::uint64_t from,
                              std::uint64_t size) {
    while (from < size) {
      const std::uint64_t base = from - from % TFileView::kGranularity;
      const auto length = static_cast<std::size_t>(std::min(Window(), size - base));
      const unsigned char* data = view.Map(file, base, length);
      if (!data) {
        Outcome.ReadFailed = true;
        return size;
      }
      const std::size_t skip = static_cast<std::size_t>(from - base);
      const void* nl = std::memchr(data + skip, '\n', length - skip);
      if (view.Failed()) {
        Outcome.ReadFailed = true;
        return size;
      }
      if (nl) {
        return base + static_cast<std::uint64_t>(static_cast<const unsigned char*>(nl) - data) + 1;
      }
      from = base + length;
    }
    return size;
  }

#endif

  void TuneOnce(const unsigned char* begin, const unsigned char* end) {
    if (Tuned) return;
    const auto size = std::min(static_cast<std::size_t>(end - begin), Limits.BlockSize);
    Matcher.Tune({reinterpret_cast<const char*>(begin), size});
    Tuned = true;
  }

  TScanOutcome RunRead(TReadFile& file) {
    Buffer.resize(Limits.BlockSize);
    for (;;) {
      if (Filled == Buffer.size()) MakeRoom();
      const long long n = file.Read(Buffer.data() + Filled, Buffer.size() - Filled);
      if (n < 0) {
        Outcome.ReadFailed = true;
        return Outcome;
      }
      TuneOnce(Buffer.data(), Buffer.data() + n);
      if (n == 0) break;
      Take(static_cast<std::size_t>(n));
    }
    if (!Skipping) Search(Buffer.data(), Buffer.data() + Filled);
    return Outcome;
  }

  // Hands every whole line in the buffer to the matcher and keeps the rest.
  void Take(std::size_t added) {
    unsigned char* begin = Buffer.data();
    unsigned char* end = begin + Filled + added;
    Filled += added;
    if (Skipping) {
      auto* newline = static_cast<unsigned char*>(std::memchr(begin, '\n', Filled));
      if (!newline) {
        Filled = 0;
        return;
      }
      Skipping = false;
      begin = newline + 1;
    }
    const unsigned char* last = FindLastNewline(begin, end);
    if (!last) {
      Keep(begin, end);
      return;
    }
    Search(begin, last + 1);
    Keep(last + 1, end);
  }

  void Keep(const unsigned char* from, const unsigned char* end) {
    Filled = static_cast<std::size_t>(end - from);
    std::memmove(Buffer.data(), from, Filled);
  }

  // The buffer is full of one unfinished record: grow, or give the record up.
  void MakeRoom() {
    if (Buffer.size() < Limits.MaxRecord) {
      Buffer.resize(std::min(Buffer.size() * 2, Limits.MaxRecord));
      return;
    }
    ++Outcome.LongRecords;
    Skipping = true;
    Filled = 0;
  }

  void Search(const unsigned char* begin, const unsigned char* end) {
    Matcher.ForEachMatch(begin, end, [&](std::string_view record) {
      ++Outcome.Matches;
      Sink(record);
    });
  }

  TRecordMatcher& Matcher;
  const TRecordSink& Sink;
  const TScanLimits& Limits;
  std::vector<unsigned char> Buffer;
  std::size_t Filled = 0;
  bool Skipping = false;
  bool Tuned = false;
  TScanOutcome Outcome;
};

}  // namespace

TScanOutcome ScanDatabase(TReadFile& file, TRecordMatcher& matcher, const TRecordSink& sink,
                          const TScanLimits& limits) {
  return TScanner(matcher, sink, limits).Run(file);
}

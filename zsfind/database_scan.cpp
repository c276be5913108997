#include "zsfind/database_scan.h"

#include "zsfind/file_system.h"

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
      : Matcher(matcher), Sink(sink), Limits(limits), Buffer(limits.BlockSize) {}

  TScanOutcome Run(TReadFile& file) {
    bool tuned = false;
    for (;;) {
      if (Filled == Buffer.size()) MakeRoom();
      const long long n = file.Read(Buffer.data() + Filled, Buffer.size() - Filled);
      if (n < 0) {
        Outcome.ReadFailed = true;
        return Outcome;
      }
      if (!tuned) {
        Matcher.Tune({reinterpret_cast<const char*>(Buffer.data()), static_cast<std::size_t>(n)});
        tuned = true;
      }
      if (n == 0) break;
      Take(static_cast<std::size_t>(n));
    }
    if (!Skipping) Search(Buffer.data(), Buffer.data() + Filled);
    return Outcome;
  }

 private:
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
  TScanOutcome Outcome;
};

}  // namespace

TScanOutcome ScanDatabase(TReadFile& file, TRecordMatcher& matcher, const TRecordSink& sink,
                          const TScanLimits& limits) {
  return TScanner(matcher, sink, limits).Run(file);
}

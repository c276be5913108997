#include "zsfind/word_pattern.h"

#include "zsfind/char_fold.h"
#include "zsfind/sjis.h"

namespace {

const unsigned char* Unsigned(std::string_view s) {
  return reinterpret_cast<const unsigned char*>(s.data());
}

}  // namespace

bool IsUsableWord(std::string_view word) {
  return !word.empty() && word.find_first_of("\r\n") == std::string_view::npos &&
         IsWholeCharacters(Unsigned(word), Unsigned(word) + word.size());
}

TWordPattern::TWordPattern(std::string_view word, TCompare compare) : Word(word), Mode(compare) {
  const unsigned char* p = Unsigned(word);
  const unsigned char* end = p + word.size();
  while (p < end) {
    const TFoldedChar c = ReadFolded(p, end);
    Folded.push_back(c.Code);
    p += c.Length;
  }
}

bool TWordPattern::SameAs(const TWordPattern& other) const {
  return Mode == TCompare::Exact ? Word == other.Word : Folded == other.Folded;
}

bool TWordPattern::OccursIn(std::string_view record) const {
  bool found = false;
  Scan(record, [&](std::size_t, std::size_t) {
    found = true;
    return false;
  });
  return found;
}

void TWordPattern::CollectHits(std::string_view record, std::vector<THit>& hits) const {
  Scan(record, [&](std::size_t begin, std::size_t end) {
    hits.push_back({begin, end});
    return true;
  });
}

template <typename TOnHit>
void TWordPattern::Scan(std::string_view record, TOnHit onHit) const {
  if (Mode == TCompare::Exact) {
    ScanExact(record, onHit);
  } else {
    ScanFolded(record, onHit);
  }
}

template <typename TOnHit>
void TWordPattern::ScanExact(std::string_view record, TOnHit onHit) const {
  const unsigned char* begin = Unsigned(record);
  TBoundaryCursor cursor(begin, begin + record.size());
  for (std::size_t at = record.find(Word); at != std::string_view::npos;
       at = record.find(Word, at + 1)) {
    // The bytes may start on the trail byte of a double-byte character (a
    // 0x5C in 表); only a match on a boundary is an occurrence.
    if (cursor.IsBoundary(begin + at) && !onHit(at, at + Word.size())) return;
  }
}

template <typename TOnHit>
void TWordPattern::ScanFolded(std::string_view record, TOnHit onHit) const {
  const unsigned char* begin = Unsigned(record);
  const unsigned char* end = begin + record.size();
  for (const unsigned char* p = begin; p < end;) {
    const TFoldedChar first = ReadFolded(p, end);
    if (first.Code == Folded[0]) {
      const unsigned char* q = p + first.Length;
      std::size_t k = 1;
      for (; k < Folded.size() && q < end; ++k) {
        const TFoldedChar next = ReadFolded(q, end);
        if (next.Code != Folded[k]) break;
        q += next.Length;
      }
      if (k == Folded.size() && !onHit(p - begin, q - begin)) return;
    }
    p += first.Length;
  }
}

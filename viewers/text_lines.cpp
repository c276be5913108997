#include "viewers/text_lines.h"

#include "encoding/shift_jis.h"

namespace {

std::size_t CharEnd(std::string_view text, std::size_t at) {
  const bool wide = IsShiftJisLead(static_cast<unsigned char>(text[at])) && at + 1 < text.size();
  return at + (wide ? 2 : 1);
}

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Past one line end at `at`: CR LF, CR or LF.
std::size_t SkipLineEnd(std::string_view text, std::size_t at) {
  const bool crlf = text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n';
  return at + (crlf ? 2 : 1);
}

}  // namespace

TLinesOfPage LinesOfPage(std::string_view text, std::size_t first, int maxLines, int width,
                         const TMeasure& measure) {
  TLinesOfPage page;
  std::size_t at = first;
  while (static_cast<int>(page.Lines.size()) < maxLines && at < text.size()) {
    std::size_t end = at;
    while (end < text.size() && !IsLineEnd(text[end])) {
      const std::size_t next = CharEnd(text, end);
      if (end > at && measure(text.substr(at, next - at)) > width) break;
      end = next;
    }
    page.Lines.push_back({at, end});
    at = end < text.size() && IsLineEnd(text[end]) ? SkipLineEnd(text, end) : end;
  }
  page.Next = at;
  return page;
}

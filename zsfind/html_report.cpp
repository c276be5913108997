#include "zsfind/html_report.h"

#include "zsfind/messages.h"
#include "zsfind/sjis.h"

namespace {

constexpr std::string_view kDocumentHead =
    "<!DOCTYPE html>\r\n"
    "<html lang=\"ja\">\r\n"
    "<head>\r\n"
    "<meta charset=\"Shift_JIS\">\r\n"
    "<title>検索結果</title>\r\n"
    "<style>\r\n"
    "body{font-family:sans-serif;line-height:1.5}\r\n"
    "section{border-top:2px solid #888;margin-top:1em}\r\n"
    "p.r{margin:.3em 0;padding:.2em;border-bottom:1px solid #ddd}\r\n"
    "p.e{color:#c00}\r\n"
    "mark{background:#ff6}\r\n"
    "</style>\r\n"
    "</head>\r\n"
    "<body>\r\n"
    "<h1>検索結果</h1>\r\n";
// Every document this tool writes ends with exactly these bytes.
constexpr std::string_view kDocumentTail = "</body>\r\n</html>\r\n";

bool IsTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

// What one single byte becomes in HTML text.
std::string_view EscapeByte(unsigned char c) {
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    case '\'':
      return "&#39;";
    default:
      break;
  }
  const bool isCharacter = (c >= 0x20 && c < 0x7F) || c == '\t' || (c >= 0xA1 && c <= 0xDF);
  return isCharacter ? std::string_view() : "&#xFFFD;";
}

}  // namespace

std::string EscapeHtml(std::string_view text, const std::vector<THit>& hits) {
  const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = begin + text.size();
  std::string html;
  html.reserve(text.size() + 16 * hits.size());
  auto hit = hits.begin();
  for (const unsigned char* p = begin; p < end;) {
    const auto at = static_cast<std::size_t>(p - begin);
    if (hit != hits.end() && at == hit->End) {
      html.append("</mark>");
      ++hit;
    }
    if (hit != hits.end() && at == hit->Begin) html.append("<mark>");
    if (IsLeadByte(*p)) {
      if (p + 1 < end && IsTrailByte(p[1])) {
        html.append(reinterpret_cast<const char*>(p), 2);
        p += 2;
      } else {
        // The byte after a broken lead byte is shown on its own, so that a
        // '<' there stays escaped for a browser too.
        html.append("&#xFFFD;");
        ++p;
      }
      continue;
    }
    const std::string_view escaped = EscapeByte(*p);
    if (escaped.empty()) {
      html.push_back(static_cast<char>(*p));
    } else {
      html.append(escaped);
    }
    ++p;
  }
  if (hit != hits.end() && hit->End == text.size()) html.append("</mark>");
  return html;
}

std::uint64_t THtmlReport::KeptBytes() {
  const auto size = ExistingSize(Target());
  if (!size || *size < kDocumentHead.size() + kDocumentTail.size()) return 0;
  const auto head = ReadFrom(Target(), 0, kDocumentHead.size());
  const auto tail = ReadFrom(Target(), *size - kDocumentTail.size(), kDocumentTail.size());
  // A file that is not one of ours is replaced rather than spliced into.
  if (head != kDocumentHead || tail != kDocumentTail) return 0;
  return *size - kDocumentTail.size();
}

void THtmlReport::WriteHeader(const TQuery& query, bool newFile) {
  TWriteFile& out = Out();
  if (newFile) out.Write(kDocumentHead);
  out.Write("<section>\r\n<h2>");
  out.Write(zsmsg::kWords);
  for (const std::string* word : {&query.Word1, &query.Word2}) {
    if (word->empty()) continue;
    out.Write(zsmsg::kOpenQuote);
    out.Write(EscapeHtml(*word));
    out.Write(zsmsg::kCloseQuote);
  }
  out.Write("</h2>\r\n<p>");
  out.Write(zsmsg::kDatabase);
  out.Write(EscapeHtml(query.Database));
  out.Write("<br>\r\n");
  out.Write(zsmsg::kCompare);
  out.Write(query.Compare == TCompare::Folded ? zsmsg::kFolded : zsmsg::kExact);
  out.Write("<br>\r\n");
  out.Write(zsmsg::kCount);
  out.Write("<b>");
  WriteCountField();
  out.Write("</b></p>\r\n");
}

void THtmlReport::Record(std::string_view record, const std::vector<THit>& hits) {
  Out().Write("<p class=\"r\">");
  Out().Write(EscapeHtml(record, hits));
  Out().Write("</p>\r\n");
}

void THtmlReport::Problem(std::string_view message) {
  Out().Write("<p class=\"e\">");
  Out().Write(zsmsg::kProblem);
  Out().Write(EscapeHtml(message));
  Out().Write("</p>\r\n");
}

void THtmlReport::WriteFooter() {
  Out().Write("</section>\r\n");
  Out().Write(kDocumentTail);
}

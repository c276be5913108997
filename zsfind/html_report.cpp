#include "zsfind/html_report.h"

#include "encoding/cp932.h"
#include "encoding/shift_jis.h"
#include "encoding/utf8.h"
#include "zsfind/messages.h"
#include "zsfind/page_script.h"

#include <array>
#include <cstdio>

namespace {

// The start of every document this tool writes, before its first section.
const std::string kDocumentHead =
    std::string(
        "<!DOCTYPE html>\r\n"
        "<html lang=\"ja\">\r\n"
        "<head>\r\n"
        "<meta charset=\"Shift_JIS\">\r\n"
        "<title>") +
    std::string(zsmsg::kTitle) +
    "</title>\r\n"
    "<style>\r\n"
    "body{font-family:sans-serif;line-height:1.5}\r\n"
    "section{border-top:2px solid #888;margin-top:1em}\r\n"
    "p.r{margin:.3em 0;padding:.2em;border-bottom:1px solid #ddd}\r\n"
    "p.e{color:#c00}\r\n"
    "p.n{color:#a50}\r\n"
    ".rs{margin:.5em 0}\r\n"
    // The chunks' tables share their columns, set by the heading row.
    "table.r{border-collapse:collapse;width:100%;table-layout:fixed}\r\n"
    "table.r td,table.r th{border:1px solid #bbb;padding:.2em .4em;vertical-align:top;"
    "text-align:left;overflow-wrap:anywhere}\r\n"
    "table.r th{background:#eee}\r\n"
    // A chunk off screen is not laid out; it keeps the height it had, or a
    // full chunk's guess. A section's last chunk, often short (the only one
    // of a small result), is always laid out, so that the page does not
    // change its length under a reader scrolling to the appended sections.
    ".k{content-visibility:auto;contain-intrinsic-size:auto 3200px}\r\n"
    ".k:last-child{content-visibility:visible}\r\n"
    "mark{background:#ff6}\r\n"
    "figure.chart{margin:.5em 0}\r\n"
    "figure.chart svg{max-width:100%;height:auto;font-size:10px}\r\n"
    // What the script adds: one heading row of buttons that stays in view
    // (the chunks' own heading rows stay for screen readers), the tools, the
    // bars that pick a decade.
    ".hd{position:sticky;top:0;z-index:1}\r\n"
    ".hd table.r th{padding:0}\r\n"
    ".hd button{font:inherit;font-weight:bold;border:0;background:none;padding:.2em .4em;"
    "width:100%;text-align:left;cursor:pointer}\r\n"
    ".tools{display:flex;flex-wrap:wrap;gap:.5em;align-items:center;margin:.5em 0}\r\n"
    "rect[data-decade]{cursor:pointer}\r\n"
    "rect[data-decade]:focus-visible{outline:none;stroke:#06c;stroke-width:3}\r\n"
    ".pick rect[data-decade]{fill:#bbb}\r\n"
    ".pick rect.on{fill:#000}\r\n"
    "@media screen{.js .k thead "
    "th{padding:0;border-top:0;border-bottom:0;font-size:0;line-height:0}}\r\n"
    "@media print{\r\n"
    "body{font-size:10pt}\r\n"
    "h2,figure.chart,tr,p.r{break-inside:avoid}\r\n"
    "h2{break-after:avoid}\r\n"
    "mark{background:none;font-weight:bold;text-decoration:underline}\r\n"
    "p.e,p.n{color:#000;font-weight:bold}\r\n"
    ".k{content-visibility:visible}\r\n"
    ".tools,.hd,figure.chart button{display:none}\r\n"
    "}\r\n"
    "</style>\r\n"
    "<script>" +
    std::string(PageScript()) +
    "</script>\r\n"
    "</head>\r\n"
    "<body>\r\n"
    "<h1>" +
    std::string(zsmsg::kTitle) + "</h1>\r\n";
// The header's fields: a 20-digit count with its unit, or the text that says
// the search could not run; the longest encoding name.
constexpr std::size_t kCountWidth = 24;
constexpr std::size_t kEncodingWidth = 24;
// Every document this tool writes ends with exactly these bytes.
constexpr std::string_view kDocumentTail = "</body>\r\n</html>\r\n";

// How the escaping treats a byte that starts a character.
enum class TByteKind : unsigned char { Plain, Lead, Tab, Other };

constexpr std::array<TByteKind, 256> ByteKinds() {
  std::array<TByteKind, 256> kinds{};
  for (unsigned b = 0; b < 256; ++b) {
    const auto c = static_cast<unsigned char>(b);
    const bool markup = c == '&' || c == '<' || c == '>' || c == '"' || c == '\'';
    const bool plain = (c >= 0x20 && c < 0x7F && !markup) || (c >= 0xA1 && c <= 0xDF);
    kinds[b] = IsShiftJisLead(c) ? TByteKind::Lead
               : c == '\t'       ? TByteKind::Tab
               : plain           ? TByteKind::Plain
                                 : TByteKind::Other;
  }
  return kinds;
}

constexpr std::array<TByteKind, 256> kByteKinds = ByteKinds();

// What a byte of the kind Other becomes: markup characters are escaped, bytes
// that are no character of code page 932 (controls) show as U+FFFD.
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
      return "&#xFFFD;";
  }
}

// Emits the HTML form of the characters that start in [p, stop) (the last may
// end after stop, before end), the bytes that stay as they are in runs, and a
// tab as `tab` (as it stands when that is empty). Returns where the next
// character starts.
template <typename TEmit>
const unsigned char* EscapeRun(const unsigned char* p, const unsigned char* stop,
                               const unsigned char* end, std::string_view tab, TEmit& emit) {
  const unsigned char* plain = p;  // bytes not yet emitted that stay as they are
  const auto flush = [&] {
    if (p > plain)
      emit({reinterpret_cast<const char*>(plain), static_cast<std::size_t>(p - plain)});
  };
  while (p < stop) {
    std::string_view replacement;
    switch (kByteKinds[*p]) {
      case TByteKind::Plain:
        ++p;
        continue;
      case TByteKind::Lead:
        // The byte after a broken lead byte is shown on its own, so that a
        // '<' there stays escaped for a browser too.
        if (p + 1 < end && IsShiftJisTrail(p[1])) {
          p += 2;
          continue;
        }
        replacement = "&#xFFFD;";
        break;
      case TByteKind::Tab:
        if (tab.empty()) {
          ++p;
          continue;
        }
        replacement = tab;
        break;
      case TByteKind::Other:
        replacement = EscapeByte(*p);
        break;
    }
    flush();
    emit(replacement);
    plain = ++p;
  }
  flush();
  return p;
}

// As EscapeRun, for UTF-8 text: each character in its code page 932 form,
// or as a character reference where the code page lacks it.
template <typename TEmit>
const unsigned char* EscapeRunUtf8(const unsigned char* p, const unsigned char* stop,
                                   const unsigned char* end, std::string_view tab, TEmit& emit) {
  while (p < stop) {
    if (*p < 0x80) {
      const unsigned char* ascii = p;
      while (ascii < stop && *ascii < 0x80) ++ascii;
      p = EscapeRun(p, ascii, end, tab, emit);
      continue;
    }
    const TUtf8Char c = DecodeUtf8(p, end);
    p += c.Length;
    // Only a code that a browser reads back as this very character: 〜 is
    // not written as the code of ～. (Above 0x7F, a single-byte code is a
    // half-width kana, which needs no escaping.)
    const TCp932Code code = c.Valid ? Cp932CodeOf(c.Code) : TCp932Code{{0, 0}, 0};
    if (code.Length > 0 && Cp932CharacterOf(code) == c.Code) {
      emit({reinterpret_cast<const char*>(code.Bytes), code.Length});
      continue;
    }
    // A control or a noncharacter may not be referenced (a browser reads
    // &#x80; as €): like a byte that is no character, it shows as U+FFFD.
    const bool referable = c.Valid && c.Code >= 0xA0 && !(c.Code >= 0xFDD0 && c.Code <= 0xFDEF) &&
                           (c.Code & 0xFFFE) != 0xFFFE;
    char reference[16];
    const int length = std::snprintf(reference, sizeof reference, "&#x%X;",
                                     static_cast<unsigned>(referable ? c.Code : 0xFFFD));
    emit({reference, static_cast<std::size_t>(length)});
  }
  return p;
}

// Calls emit(piece) with the HTML form of the text, piece by piece, so that a
// record of any length is written without a copy of it: the marked bytes in
// <mark>, and, for a table row, each tab as the start of the next cell (a
// mark that spans a tab is closed and opened again around it).
template <typename TEmit>
void EscapeTo(std::string_view text, TCharCoding coding, const THitMask* hits, bool cells,
              TEmit emit) {
  const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = begin + text.size();
  bool marked = false;
  for (const unsigned char* p = begin; p < end;) {
    const auto at = static_cast<std::size_t>(p - begin);
    const bool mark = hits && (*hits)[at];
    if (mark != marked) {
      emit(mark ? "<mark>" : "</mark>");
      marked = mark;
    }
    const std::string_view tab = !cells ? "" : marked ? "</mark></td><td><mark>" : "</td><td>";
    const unsigned char* stop = hits ? begin + hits->NextChange(at) : end;
    p = coding == TCharCoding::Utf8 ? EscapeRunUtf8(p, stop, end, tab, emit)
                                    : EscapeRun(p, stop, end, tab, emit);
  }
  if (marked) emit("</mark>");
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string html;
  EscapeTo(text, TCharCoding::ShiftJis, nullptr, false,
           [&](std::string_view piece) { html.append(piece); });
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
  FHeads.clear();
  FFields.Clear();
  FYears.Clear();
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
  out.Write(zsmsg::CompareName(query.Compare));
  out.Write("<br>\r\n");
  out.Write(zsmsg::kEncoding);
  FEncoding = ReserveField(kEncodingWidth);
  out.Write("<br>\r\n");
  out.Write(zsmsg::kCount);
  out.Write("<b>");
  FCount = ReserveField(kCountWidth);
  out.Write("</b></p>\r\n");
  // The chart needs every record's year: it is filled in at the end.
  FChart = ReserveField(TYearChart::kMaxSize);
  out.Write("\r\n");
}

void THtmlReport::Record(const TFoundRecord& record) {
  FYears.Add(record.ShiftJis);
  StartRecord();
  TWriteFile& out = Out();
  const auto write = [&](std::string_view piece) { out.Write(piece); };
  if (record.Text.find('\t') == std::string_view::npos) {
    EndTable();
    out.Write("<p class=\"r\">");
    EscapeTo(record.Text, record.Coding, &record.Hits, false, write);
    out.Write("</p>\r\n");
    return;
  }
  // A row with more fields than the open table's heading covers starts a
  // table whose heading covers them.
  const std::size_t fields = FFields.Add(record.ShiftJis);
  if (fields > FTableFields) StartTable(fields);
  out.Write("<tr><td>");
  EscapeTo(record.Text, record.Coding, &record.Hits, true, write);
  out.Write("</td></tr>\r\n");
}

// Opens the section's rows with its first record, and a new chunk after
// every kChunkRecords.
void THtmlReport::StartRecord() {
  if (FChunkRecords == 0) {
    Out().Write("<div class=\"rs\">\r\n<div class=\"k\">\r\n");
  } else if (FChunkRecords == kChunkRecords) {
    EndTable();
    Out().Write("</div>\r\n<div class=\"k\">\r\n");
    FChunkRecords = 0;
  }
  ++FChunkRecords;
}

void THtmlReport::StartTable(std::size_t fields) {
  EndTable();
  Out().Write("<table class=\"r\">\r\n");
  FHeads.push_back({ReserveField(TFieldHeadings::MaxSize(fields)), fields});
  Out().Write("\r\n<tbody>\r\n");
  FTableFields = fields;
}

void THtmlReport::EndTable() {
  if (FTableFields > 0) Out().Write("</tbody>\r\n</table>\r\n");
  FTableFields = 0;
}

void THtmlReport::EndRows() {
  EndTable();
  if (FChunkRecords > 0) Out().Write("</div>\r\n</div>\r\n");
  FChunkRecords = 0;
}

void THtmlReport::Remark(std::string_view kind, std::string_view label, std::string_view message) {
  EndRows();
  Out().Write("<p class=\"");
  Out().Write(kind);
  Out().Write("\">");
  Out().Write(label);
  Out().Write(EscapeHtml(message));
  Out().Write("</p>\r\n");
}

void THtmlReport::Problem(std::string_view message) { Remark("e", zsmsg::kProblem, message); }

void THtmlReport::Note(std::string_view message) { Remark("n", zsmsg::kNote, message); }

void THtmlReport::WriteFooter(const TSearchSummary& summary) {
  EndRows();
  const std::string chart = FYears.Html();
  if (chart.size() <= TYearChart::kMaxSize) Fill(FChart, chart);
  // The tables of a section mostly have the same number of fields.
  std::string row;
  std::size_t rowFields = 0;
  for (const THead& head : FHeads) {
    if (head.Fields != rowFields) row = FFields.Html(rowFields = head.Fields);
    if (row.size() <= head.Field.Width) Fill(head.Field, row);
  }
  Fill(FCount, CountText(summary.Count));
  if (summary.Encoding) Fill(FEncoding, EncodingName(*summary.Encoding));
  Out().Write("</section>\r\n");
  Out().Write(kDocumentTail);
}

#include "zsfind/field_headings.h"

#include "zsfind/field_scan.h"
#include "zsfind/messages.h"
#include "zsfind/year_chart.h"

#include <algorithm>

namespace {

using fieldscan::SkipBlanks;
using fieldscan::Take;
using fieldscan::TakeDigits;

constexpr std::string_view kPageMark = "\x95\xC5";  // 頁
// A column is never narrower than its heading nor wider than this many bytes
// of a field (about as many half-width characters); a cell's padding adds three.
constexpr std::uint64_t kWidestColumn = 40;
constexpr std::uint64_t kPadding = 3;

bool TakeAny(std::string_view& text, std::initializer_list<std::string_view> prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(),
                     [&](std::string_view prefix) { return Take(text, prefix); });
}

// Digits (a year when YearOf says so), and with p. or pp. before them, 頁
// after them or a second number after a range mark, pages.
TFieldKind NumberKind(std::string_view whole) {
  std::string_view field = whole;
  SkipBlanks(field);
  bool pages = TakeAny(field, {"pp.", "p."});
  SkipBlanks(field);
  const std::size_t digits = TakeDigits(field);
  if (digits == 0) return TFieldKind::Text;
  if (digits == 4 && !pages && YearOf(whole)) return TFieldKind::Year;
  // Between the first and the last page: - － ‐ ～ ~
  if (TakeAny(field, {"-", "\x81\x7C", "\x81\x5D", "\x81\x60", "~"})) {
    if (TakeDigits(field) == 0) return TFieldKind::Text;
    pages = true;
  }
  pages = Take(field, kPageMark) || pages;
  SkipBlanks(field);
  if (!field.empty()) return TFieldKind::Text;
  return pages ? TFieldKind::Pages : TFieldKind::Number;
}

}  // namespace

TFieldKind KindOf(std::string_view field) {
  std::string_view start = field;
  SkipBlanks(start);
  // Most fields are text and say so with their first byte: every record of a
  // large result passes here.
  const char first = start.empty() ? '\0' : start.front();
  if ((first < '0' || first > '9') && first != '\x82' && first != 'p' && first != 'h') {
    return TFieldKind::Text;
  }
  if (TakeAny(start, {"http://", "https://"})) return TFieldKind::Url;
  return NumberKind(field);
}

std::size_t TFieldHeadings::Add(std::string_view record) {
  for (std::size_t i = 0; i < kMaxFields; ++i) {
    const std::size_t tab = record.find('\t');
    const std::string_view field = record.substr(0, tab);
    TField& stats = FFields[i];
    ++stats.Records;
    stats.Bytes += field.size();
    ++stats.Kinds[static_cast<std::size_t>(KindOf(field))];
    if (tab == std::string_view::npos) return i + 1;
    record.remove_prefix(tab + 1);
  }
  return kMaxFields;
}

TFieldKind TFieldHeadings::Kind(std::size_t field) const {
  const TField& stats = FFields[field];
  for (std::size_t kind = 1; kind < kFieldKinds; ++kind) {
    if (stats.Kinds[kind] * 2 > stats.Records) return static_cast<TFieldKind>(kind);
  }
  return TFieldKind::Text;
}

std::string TFieldHeadings::Name(std::size_t field) const {
  switch (Kind(field)) {
    case TFieldKind::Number:
      return std::string(field == 0 ? zsmsg::kFieldRecordNumber : zsmsg::kFieldNumber);
    case TFieldKind::Year:
      return std::string(zsmsg::kFieldYear);
    case TFieldKind::Pages:
      return std::string(zsmsg::kFieldPages);
    case TFieldKind::Url:
      return std::string(zsmsg::kFieldUrl);
    case TFieldKind::Text:
      break;
  }
  return std::string(zsmsg::kFieldUnnamed) + std::to_string(field + 1);
}

std::uint64_t TFieldHeadings::Width(std::size_t field) const {
  const TField& stats = FFields[field];
  const std::uint64_t mean = stats.Records ? stats.Bytes / stats.Records : 0;
  return std::clamp<std::uint64_t>(mean, Name(field).size(), kWidestColumn) + kPadding;
}

// The widths are in tenths of a percent and add up to 100 %, so that every
// table of the section, and the script's heading row above them, has the same
// columns. Even the narrowest of kMaxFields columns gets a tenth.
std::string TFieldHeadings::Html(std::size_t fields) const {
  std::array<std::uint64_t, kMaxFields> tenths{};
  std::uint64_t total = 0, given = 0;
  for (std::size_t i = 0; i < fields; ++i) total += Width(i);
  for (std::size_t i = 0; i < fields; ++i) given += tenths[i] = Width(i) * 1000 / total;
  *std::max_element(tenths.begin(), tenths.begin() + fields) += 1000 - given;
  std::string html = "<thead><tr>";
  for (std::size_t i = 0; i < fields; ++i) {
    const TFieldKind kind = Kind(i);
    const bool numeric = kind != TFieldKind::Text && kind != TFieldKind::Url;
    html += "<th style=\"width:" + std::to_string(tenths[i] / 10) + "." +
            std::to_string(tenths[i] % 10) + "%\"" + (numeric ? " class=\"n\"" : "") + ">" +
            Name(i) + "</th>";
  }
  return html + "</tr></thead>";
}

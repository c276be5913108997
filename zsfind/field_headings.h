#pragma once
// The heading row of a section's result tables, one heading a field. A field
// is named after what it holds when more than half of the section's records
// that reach it tell so: 番号 (whole numbers in the first field), 年 (a year),
// ページ (a page or a range of pages), 数値 (other whole numbers), URL; any
// other field is 欄 and its number. Each heading carries its column's width,
// from the field's mean length, so that all tables of a section have the same
// fixed columns; numbers, years and pages are marked to sort as numbers.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What a field holds, as far as the headings tell it.
enum class TFieldKind { Text, Number, Year, Pages, Url };
inline constexpr std::size_t kFieldKinds = 5;

TFieldKind KindOf(std::string_view field);

class TFieldHeadings {
 public:
  // The fields after this many have cells but no heading.
  static constexpr std::size_t kMaxFields = 64;

  void Clear() { *this = TFieldHeadings(); }
  // Takes a tab-separated record into account; returns how many of its
  // fields the headings cover (at most kMaxFields).
  std::size_t Add(std::string_view record);
  // The <thead> of a table whose records have up to `fields` fields (at most
  // the most that Add returned).
  std::string Html(std::size_t fields) const;
  // The most bytes Html(fields) takes, whatever the records were.
  static constexpr std::size_t MaxSize(std::size_t fields) {
    return kRowMarkup + fields * kHeadingMarkup;
  }

 private:
  static constexpr std::size_t kRowMarkup = 32;
  static constexpr std::size_t kHeadingMarkup = 48;

  struct TField {
    std::uint64_t Records = 0;  // records that reach the field
    std::uint64_t Bytes = 0;    // the field's length, summed over them
    std::array<std::uint64_t, kFieldKinds> Kinds{};
  };
  TFieldKind Kind(std::size_t field) const;
  std::string Name(std::size_t field) const;
  std::uint64_t Width(std::size_t field) const;

  std::array<TField, kMaxFields> FFields{};
};

#include "search/integer_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace {

using namespace std::string_view_literals;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

struct TConversionCase {
  std::string_view Text;
  std::optional<int32_t> Expected;
};

const TConversionCase kCases[] = {
    // Decimal, with blanks and one sign in front.
    {"0", 0},
    {"5", 5},
    {"+5", 5},
    {"-5", -5},
    {"-0", 0},
    {"007", 7},
    {" 5", 5},
    {"   -7", -7},
    {"2147483647", kMax},
    {"+2147483647", kMax},
    {"-2147483648", kMin},
    {"00000000002147483647", kMax},
    {"2147483648", std::nullopt},
    {"+2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"4294967295", std::nullopt},
    {"4294967296", std::nullopt},
    {"99999999999999999999999", std::nullopt},
    // Hexadecimal after each prefix, digits of either case.
    {"$A", 10},
    {"$a", 10},
    {"0XfF", 255},
    {"0xff", 255},
    {"x10", 16},
    {"X10", 16},
    {"+$10", 16},
    {" -$1", -1},
    {"$0", 0},
    {"$7FFFFFFF", kMax},
    {"$80000000", kMin},
    {"$FFFFFFFF", -1},
    {"-$FFFFFFFF", 1},
    {"-0x80000000", kMin},
    {"0x000000001", 1},
    {"$00000000FFFFFFFF", -1},
    {"0x100000000", std::nullopt},
    {"$123456789", std::nullopt},
    // Texts that do not convert.
    {"", std::nullopt},
    {" ", std::nullopt},
    {"+", std::nullopt},
    {"-", std::nullopt},
    {"--5", std::nullopt},
    {"+-5", std::nullopt},
    {"- 5", std::nullopt},
    {"5 ", std::nullopt},
    {"\t5", std::nullopt},
    {"5a", std::nullopt},
    {"abc", std::nullopt},
    {"1.0", std::nullopt},
    {"1e3", std::nullopt},
    {"$", std::nullopt},
    {"x", std::nullopt},
    {"0x", std::nullopt},
    {"0X", std::nullopt},
    {"$-1", std::nullopt},
    {"$ 5", std::nullopt},
    {"$$5", std::nullopt},
    {"0xx5", std::nullopt},
    {"00x5", std::nullopt},
    {"0x1g", std::nullopt},
    {"0b1", std::nullopt},
    {"5\0"sv, std::nullopt},
    {"\x82\x50", std::nullopt},  // a full-width digit one (Shift-JIS)
};

TEST(IntegerTextTest, ConvertsExactlyTheAcceptedForms) {
  for (const TConversionCase& c : kCases) {
    EXPECT_EQ(TextToInt32(c.Text), c.Expected) << "text: \"" << c.Text << "\"";
  }
}

}  // namespace

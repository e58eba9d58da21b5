#include "output/number_parser.h"

#include <gtest/gtest.h>

namespace kadrex {
namespace {

TEST(NumberParser, ReadsTheFieldsAsTheProgramDoes) {
  const std::pair<const char*, std::int64_t> cases[] = {
      {"320", 320},   {"$20", 32}, {"120abc", 120}, {"-", 0},       {"%101", 5},
      {" \t 42", 42}, {"+7", 7},   {"-15", -15},    {"", 0},        {"abc", 0},
      {"$fF", 255},   {"$G", 0},   {"%102", 2},     {" -$10", -16}, {"1 2", 1},
      {"\n5", 0},     {"007", 7},  {"- 5", 0},      {"$", 0},       {"%", 0}};
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ParseNumber(text), expected) << '"' << text << '"';
  }
}

TEST(NumberParser, UsesTheLow32Bits) {
  EXPECT_EQ(ParseNumber32("4294967296"), 0);
  EXPECT_EQ(ParseNumber32("4294967297"), 1);
  EXPECT_EQ(ParseNumber32("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseNumber32("99999999999999999999999"),
            static_cast<std::int32_t>(
                static_cast<std::uint32_t>(ParseNumber("99999999999999999999999"))));
}

}  // namespace
}  // namespace kadrex

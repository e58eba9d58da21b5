#include "platform/spin_field_value.h"

#include <gtest/gtest.h>

namespace kadrex {
namespace {

TEST(SpinFieldValue, KeepsTheLastWholeNumberWithinTheRange) {
  SpinFieldValue field(0, 2000);
  field.TextChanged("320");
  const std::pair<const char*, int> typed[] = {
      {"2500", 320},  {"", 320}, {"12a", 320}, {"-1", 320}, {"1.5", 320},      {" 5", 320},
      {"2000", 2000}, {"0", 0},  {"+7", 7},    {"007", 7},  {"99999999999", 7}};
  for (const auto& [text, expected] : typed) {
    field.TextChanged(text);
    EXPECT_EQ(field.Value(), expected) << '"' << text << '"';
  }
}

TEST(SpinFieldValue, NegativeRangesAcceptTheirNumbers) {
  SpinFieldValue field(-5, 5);
  field.TextChanged("-5");
  EXPECT_EQ(field.Value(), -5);
  field.TextChanged("-6");
  EXPECT_EQ(field.Value(), -5);
}

}  // namespace
}  // namespace kadrex

#pragma once

#include <string>

namespace kadrex {

// The value of a numeric spin field: the number in its edit box when that text is a
// whole number within the range, otherwise the last such number.
class SpinFieldValue {
 public:
  SpinFieldValue(int minimum, int maximum) : minimum_(minimum), maximum_(maximum) {}

  // The edit's text changed, by typing, the arrows or the program.
  void TextChanged(const std::string& text);
  int Value() const { return value_; }
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }

 private:
  int minimum_;
  int maximum_;
  int value_ = 0;
};

}  // namespace kadrex

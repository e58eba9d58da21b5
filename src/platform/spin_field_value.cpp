#include "platform/spin_field_value.h"

#include <charconv>

namespace kadrex {

void SpinFieldValue::TextChanged(const std::string& text) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  int number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  if (error == std::errc{} && end == last && number >= minimum_ && number <= maximum_) {
    value_ = number;
  }
}

}  // namespace kadrex

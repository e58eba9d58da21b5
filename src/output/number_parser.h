#pragma once

#include <cstdint>
#include <string>

namespace kadrex {

// Reads a number the way the size fields are read: leading blanks and tabs skipped, an
// optional "+" or "-", then decimal digits, hexadecimal digits after "$" or binary digits
// after "%", up to the first other character. No digits give 0. The result wraps as a
// 64-bit integer would.
std::int64_t ParseNumber(const std::string& text);

// The low 32 bits of the number, as a signed value.
std::int32_t ParseNumber32(const std::string& text);

}  // namespace kadrex

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kadrex {

// Files by UTF-8 path; on Windows through the wide functions, so any name works.

// Reads a whole file; false when it cannot be read or exceeds the largest picture
// file the program accepts.
bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& out);
// Creates or replaces a file with the bytes; false when it cannot be written whole.
bool WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace kadrex

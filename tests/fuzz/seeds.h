#pragma once

// The fuzzers' seed corpus: a few small valid files of each kind, written at build time
// by kadrex-fuzz-seeds into one folder per fuzzer.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kadrex::fuzz {

using Bytes = std::vector<std::uint8_t>;

// Writes one seed file; false when it cannot be written.
bool WriteSeed(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes);

// Each writes its files into folder and returns false when one could not be made.
bool WriteBmpSeeds(const std::filesystem::path& folder);
bool WriteIcoSeeds(const std::filesystem::path& folder);
bool WritePngSeeds(const std::filesystem::path& folder);
bool WriteJpegSeeds(const std::filesystem::path& folder);
bool WriteExifSeeds(const std::filesystem::path& folder);
bool WriteHandOffSeeds(const std::filesystem::path& folder);
bool WriteNumberSeeds(const std::filesystem::path& folder);

// A small PNG picture for the icon seeds; empty when libpng failed.
Bytes SmallPng(int width, int height);

}  // namespace kadrex::fuzz

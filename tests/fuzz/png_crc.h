#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kadrex::fuzz {

// Rewrites the CRC of every whole chunk of a PNG (as far as the chunks can be followed),
// so that the fuzzer's changes to chunk contents reach libpng's parsing instead of all
// failing on the checksum.
void MendPngCrcs(std::vector<std::uint8_t>& png);

}  // namespace kadrex::fuzz

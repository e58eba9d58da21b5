#pragma once

#include <cstdint>
#include <vector>

namespace kadrex::tools {

// An 8-bit RGB PNG, not interlaced, with the chunks IHDR, pHYs (72 dpi), one IDAT, IEND.
bool WritePngStream(const std::vector<std::uint8_t>& rgb, int width, int height,
                    std::vector<std::uint8_t>& out);

}  // namespace kadrex::tools

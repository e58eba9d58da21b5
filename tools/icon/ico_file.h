#pragma once

#include <cstdint>
#include <vector>

#include "icon/icon_art.h"

namespace kadrex::tools {

// An icon file with one BMP entry per image: palette of 2^bitsPerPixel colours, colour
// rows bottom-up, then the AND mask (1 = see-through). False when an image has more
// colours than its depth holds or a depth other than 4 or 8.
bool WriteIcoFile(const std::vector<IconImage>& images, std::vector<std::uint8_t>& out);

}  // namespace kadrex::tools

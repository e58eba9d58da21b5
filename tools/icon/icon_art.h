#pragma once

#include <cstdint>
#include <vector>

namespace kadrex::tools {

struct IconColour {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const IconColour&) const = default;
};

// One image of the program's icon: size x size pixels, top-down, each with its colour
// and whether it is see-through.
struct IconImage {
  int size = 0;
  int bitsPerPixel = 0;
  std::vector<IconColour> pixels;
  std::vector<bool> transparent;
};

// The icon: a landscape photo in a wooden frame. With 4 bits per pixel it uses only the
// 16 standard colours; with 8 it is shaded.
IconImage DrawIcon(int size, int bitsPerPixel);

}  // namespace kadrex::tools

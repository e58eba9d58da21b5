#include "platform/image/picture_orientation.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kadrex {

namespace {

// Where the upright picture's first pixel lies in the stored one, and how far a step
// right and a step down in the upright picture move there, counted in stored pixels.
struct SourceWalk {
  std::ptrdiff_t start;
  std::ptrdiff_t right;
  std::ptrdiff_t down;
};

}  // namespace

bool OrientationSwapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

bool StreamUpright(const Picture& stored, int orientation, RowSink& sink) {
  const std::ptrdiff_t w = stored.width;
  const std::ptrdiff_t h = stored.height;
  SourceWalk walk{0, 1, w};
  switch (orientation) {
    case 2:
      walk = {w - 1, -1, w};
      break;
    case 3:
      walk = {w * h - 1, -1, -w};
      break;
    case 4:
      walk = {(h - 1) * w, 1, -w};
      break;
    case 5:
      walk = {0, w, 1};
      break;
    case 6:
      walk = {(h - 1) * w, -w, 1};
      break;
    case 7:
      walk = {w * h - 1, -w, -1};
      break;
    case 8:
      walk = {w - 1, w, -1};
      break;
    default:
      break;
  }
  const bool swapped = OrientationSwapsSides(orientation);
  const int width = swapped ? stored.height : stored.width;
  const int height = swapped ? stored.width : stored.height;
  if (!sink.Begin(width, height)) return false;
  std::vector<std::uint8_t> row(std::size_t{3} * width);
  for (int y = 0; y < height; ++y) {
    std::ptrdiff_t source = walk.start + y * walk.down;
    std::uint8_t* to = row.data();
    for (int x = 0; x < width; ++x, source += walk.right, to += 3) {
      const std::uint8_t* from = stored.pixels.data() + 3 * source;
      std::copy(from, from + 3, to);
    }
    sink.Row(row.data());
  }
  return true;
}

}  // namespace kadrex

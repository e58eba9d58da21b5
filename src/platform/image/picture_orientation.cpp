#include "platform/image/picture_orientation.h"

#include <algorithm>
#include <cstddef>

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

Picture OrientPicture(const Picture& stored, int orientation) {
  const std::ptrdiff_t w = stored.width;
  const std::ptrdiff_t h = stored.height;
  SourceWalk walk{};
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
      return stored;
  }
  const bool swapped = OrientationSwapsSides(orientation);
  Picture upright;
  if (!MakeBlackPicture(upright, swapped ? stored.height : stored.width,
                        swapped ? stored.width : stored.height)) {
    return upright;
  }
  for (int y = 0; y < upright.height; ++y) {
    std::ptrdiff_t source = walk.start + y * walk.down;
    std::uint8_t* to = upright.Row(y);
    for (int x = 0; x < upright.width; ++x, source += walk.right, to += 3) {
      const std::uint8_t* from = stored.pixels.data() + 3 * source;
      std::copy(from, from + 3, to);
    }
  }
  return upright;
}

}  // namespace kadrex

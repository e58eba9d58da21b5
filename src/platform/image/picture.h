#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kadrex {

// A decoded picture: 24-bit colour, 3 bytes per pixel in red, green, blue order,
// rows top-down without padding. An empty picture (0 x 0) holds no pixels.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;

  bool Empty() const { return width <= 0 || height <= 0; }
  std::size_t RowBytes() const { return static_cast<std::size_t>(width) * 3; }
  std::uint8_t* Row(int y) { return pixels.data() + RowBytes() * y; }
  const std::uint8_t* Row(int y) const { return pixels.data() + RowBytes() * y; }
};

// The largest picture accepted from any decoder, resize or create. Sides fit every
// format's own limit; the pixel count keeps one picture under 600 MB while still
// taking the 100-megapixel photos of medium-format cameras.
inline constexpr std::int64_t kMaxPictureSide = 65535;
inline constexpr std::int64_t kMaxPicturePixels = 200'000'000;

// True when a picture of width x height is allowed; checked before any allocation.
inline bool PictureSizeAllowed(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

// Allocates a black picture; false (and an empty picture) when the size is not allowed.
bool MakeBlackPicture(Picture& picture, int width, int height);

}  // namespace kadrex

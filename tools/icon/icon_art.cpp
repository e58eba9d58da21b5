#include "icon/icon_art.h"

#include <algorithm>
#include <cmath>

namespace kadrex::tools {

namespace {

struct Palette {
  IconColour outline, frameLight, frame, frameDark;
  IconColour skyTop, skyBottom, sun, mountain, snow, hill;
};

// The 16 standard colours, so the icon stays clean on a 16-colour display.
constexpr Palette kStandardColours{
    .outline = {0, 0, 0},
    .frameLight = {255, 255, 0},
    .frame = {128, 128, 0},
    .frameDark = {0, 0, 0},
    .skyTop = {0, 255, 255},
    .skyBottom = {0, 255, 255},
    .sun = {255, 255, 0},
    .mountain = {128, 128, 128},
    .snow = {255, 255, 255},
    .hill = {0, 128, 0},
};

constexpr Palette kShadedColours{
    .outline = {48, 32, 20},
    .frameLight = {222, 172, 96},
    .frame = {182, 124, 60},
    .frameDark = {120, 76, 36},
    .skyTop = {64, 120, 210},
    .skyBottom = {178, 214, 246},
    .sun = {255, 210, 60},
    .mountain = {112, 118, 136},
    .snow = {244, 246, 250},
    .hill = {70, 156, 64},
};

IconColour Blend(IconColour a, IconColour b, float t) {
  auto channel = [t](std::uint8_t from, std::uint8_t to) {
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * std::clamp(t, 0.0f, 1.0f)));
  };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// The photo inside the frame at (u, v), both from 0 to 1 across it, which is width x
// height pixels (so that the sun stays round).
IconColour Photo(const Palette& colours, float u, float v, int width, int height) {
  const float hill = 0.74f - 0.26f * std::exp(-std::pow((u - 0.85f) / 0.4f, 2.0f));
  if (v >= hill) return colours.hill;
  constexpr float kPeakU = 0.36f, kPeakV = 0.22f, kFootV = 0.9f, kSlope = 1.1f;
  const float mountainTop = kPeakV + std::abs(u - kPeakU) * kSlope;
  if (v >= mountainTop && v <= kFootV) {
    return v < kPeakV + (kFootV - kPeakV) * 0.22f ? colours.snow : colours.mountain;
  }
  constexpr float kSunU = 0.78f, kSunV = 0.28f, kSunRadius = 0.13f;
  if (std::hypot((u - kSunU) * width, (v - kSunV) * height) <= kSunRadius * width) {
    return colours.sun;
  }
  return Blend(colours.skyTop, colours.skyBottom, v / hill);
}

}  // namespace

IconImage DrawIcon(int size, int bitsPerPixel) {
  const Palette& colours = bitsPerPixel <= 4 ? kStandardColours : kShadedColours;
  // A landscape frame across the whole width; the rows above and below stay see-through.
  const int top = size / 10;
  const int bottom = size - 1 - size / 10;
  const int rings = size >= 32 ? 2 : 1;
  const int inset = 1 + rings;

  IconImage image{size, bitsPerPixel, {}, {}};
  image.pixels.resize(static_cast<std::size_t>(size) * size);
  image.transparent.assign(image.pixels.size(), false);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const std::size_t index = static_cast<std::size_t>(y) * size + x;
      if (y < top || y > bottom) {
        image.transparent[index] = true;
        continue;
      }
      const int fromLeftOrTop = std::min(x, y - top);
      const int fromRightOrBottom = std::min(size - 1 - x, bottom - y);
      const int edge = std::min(fromLeftOrTop, fromRightOrBottom);
      IconColour& pixel = image.pixels[index];
      if (edge == 0) {
        pixel = colours.outline;
      } else if (edge < inset) {
        // The inner ring is lit from the top left, like a moulded frame.
        const bool innerRing = edge == inset - 1 && rings > 1;
        pixel = !innerRing                          ? colours.frame
                : fromLeftOrTop < fromRightOrBottom ? colours.frameDark
                                                    : colours.frameLight;
      } else {
        const int width = size - 2 * inset;
        const int height = bottom - top + 1 - 2 * inset;
        pixel = Photo(colours, (x - inset + 0.5f) / width, (y - top - inset + 0.5f) / height, width,
                      height);
      }
    }
  }
  return image;
}

}  // namespace kadrex::tools

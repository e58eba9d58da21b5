#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kadrex::tools {

// A colour with channels from 0 to 255, kept as floats while a picture is composed.
struct Rgb {
  float r = 0;
  float g = 0;
  float b = 0;
};

// From a to b as t goes from 0 to 1; t outside is clamped.
inline Rgb Mix(Rgb a, Rgb b, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline std::uint8_t ToByte(float channel) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(channel, 0.0f, 255.0f)));
}

}  // namespace kadrex::tools

#include "editor/display_scale.h"

#include <cmath>

namespace kadrex {

namespace {

constexpr float kDesignDesktopWidth = 1280.0f;
constexpr double kDesignDesktopHeight = 1024.0;
// The editor's layout leaves a little room at the bottom of the screen.
constexpr float kHeightAllowance = -0.02f;

}  // namespace

DisplayScale ComputeDisplayScale(Size desktop) {
  DisplayScale scale;
  scale.x = static_cast<float>(desktop.width) / kDesignDesktopWidth;
  scale.y = static_cast<float>(static_cast<double>(static_cast<float>(desktop.height)) /
                                   kDesignDesktopHeight +
                               static_cast<double>(kHeightAllowance));
  if (scale.x == 0.0f) scale.x = 1.0f;
  // No desktop height at all would otherwise give a negative factor.
  if (scale.y == 0.0f || desktop.height == 0) scale.y = 1.0f;
  return scale;
}

int RoundHalfEven(double value) {
  double rounded = std::floor(value + 0.5);
  if (rounded - value == 0.5 && std::fmod(rounded, 2.0) != 0.0) rounded -= 1.0;
  return static_cast<int>(rounded);
}

int Scaled(double design, float factor) {
  return RoundHalfEven(design * static_cast<double>(factor));
}

}  // namespace kadrex

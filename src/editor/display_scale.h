#pragma once

#include "platform/gui.h"

namespace kadrex {

// Factors by which the editor's design values are scaled to the desktop.
struct DisplayScale {
  float x = 1.0f;
  float y = 1.0f;
};

DisplayScale ComputeDisplayScale(Size desktop);

// Nearest integer, an exact half going to the even neighbour.
int RoundHalfEven(double value);

// A design value scaled by one factor, rounded once.
int Scaled(double design, float factor);

}  // namespace kadrex

#pragma once

#include <cstdint>
#include <span>

namespace kadrex {

// EXIF orientation values 1 to 8 tell how the stored picture must be turned to stand
// upright: 1 as stored, 2 mirrored left-right, 3 turned 180 degrees, 4 mirrored
// top-bottom, 5 transposed, 6 turned 90 degrees clockwise, 7 transversed, 8 turned 90
// degrees counter-clockwise.
inline constexpr int kOrientationAsStored = 1;

// True when an APP1 payload (the bytes after the marker length) is an Exif block.
bool IsExifBlock(std::span<const std::uint8_t> app1);

// The Orientation tag of IFD0 of an Exif APP1 payload; kOrientationAsStored when the
// block has none, or is malformed in any way.
int ExifOrientation(std::span<const std::uint8_t> app1);

}  // namespace kadrex

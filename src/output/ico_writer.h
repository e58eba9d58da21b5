#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace kadrex {

// A pixel of the picture open for drawing, as 0x00BBGGRR (0xFFFFFFFF outside it).
using PixelReader = std::function<std::uint32_t(int x, int y)>;

// Writes a 32 x 32 icon of 256 colours with a 1-bit mask from the top-left 32 x 32 pixels,
// reducing the colours with our own palette pass; always 2238 bytes. Pixels equal to
// transparentColour are transparent. planesValue and bitCountValue, clamped to 0 to 32,
// go into the directory entry. False, with nothing written, when the file cannot be made.
bool IcoWriter(const std::string& fileName, std::int32_t transparentColour,
               std::int32_t planesValue, std::int32_t bitCountValue, const PixelReader& pixel);

}  // namespace kadrex

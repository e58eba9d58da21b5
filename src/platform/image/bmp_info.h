#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace kadrex {

// Colours of a palette picture, RGB. Entries the file does not hold stay black, so
// every 8-bit index reads a colour and none reads outside the table.
using BmpPalette = std::array<std::uint8_t, 256 * 3>;

enum class BmpEncoding { Packed, Rle8, Rle4 };

// What a BMP info header (the OS/2 core header or any Windows version) and the masks
// and colour table after it say about the pixels.
struct BmpInfo {
  int width = 0;
  int height = 0;  // number of rows, always positive
  bool topDown = false;
  int bitCount = 0;
  BmpEncoding encoding = BmpEncoding::Packed;
  // Red, green and blue bit fields of 16- and 32-bit pixels, the defaults when the
  // header names none.
  std::array<std::uint32_t, 3> masks{};
  BmpPalette palette{};
  // Offset from the header's start to just past the declared colour table.
  std::uint64_t tableEnd = 0;

  // Bytes of one stored row, padded to a multiple of 4.
  std::uint64_t Stride() const;
};

// Reads the header at the start of dib and the masks and colours that follow it, as
// far as dib holds them. False for any header this program cannot decode, including
// a size that PictureSizeAllowed refuses.
bool ReadBmpInfo(std::span<const std::uint8_t> dib, BmpInfo& info);

}  // namespace kadrex

#pragma once

// Builds small BMP files and icon images byte by byte for the decoder tests.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/image/decode.h"
#include "platform/image/picture.h"

namespace kadrex::test {

using Bytes = std::vector<std::uint8_t>;
using Rgb = std::array<std::uint8_t, 3>;

inline void PutU16(Bytes& out, std::uint32_t value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

inline void PutU32(Bytes& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

inline void Append(Bytes& out, const Bytes& more) {
  out.insert(out.end(), more.begin(), more.end());
}

struct InfoHeader {
  std::uint32_t size = 40;  // 12 writes the OS/2 core header
  std::int32_t width = 1;
  std::int32_t height = 1;  // negative for top-down rows
  std::uint16_t planes = 1;
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t coloursUsed = 0;
  std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha; in headers of 52 bytes on
};

// The header, zero-filled past the fields it sets.
inline Bytes HeaderBytes(const InfoHeader& header) {
  Bytes out;
  PutU32(out, header.size);
  if (header.size == 12) {
    PutU16(out, header.width);
    PutU16(out, header.height);
    PutU16(out, header.planes);
    PutU16(out, header.bitCount);
    return out;
  }
  PutU32(out, header.width);
  PutU32(out, header.height);
  PutU16(out, header.planes);
  PutU16(out, header.bitCount);
  PutU32(out, header.compression);
  for (int i = 0; i < 3; ++i) PutU32(out, 0);  // image size, resolution
  PutU32(out, header.coloursUsed);
  PutU32(out, 0);  // colours important
  for (std::uint32_t mask : header.masks) {
    if (out.size() < header.size) PutU32(out, mask);
  }
  out.resize(header.size, 0);
  return out;
}

// Colour table entries blue, green, red and, unless entryBytes is 3, a zero byte.
inline Bytes PaletteBytes(const std::vector<Rgb>& colours, int entryBytes = 4) {
  Bytes out;
  for (const Rgb& c : colours) {
    out.insert(out.end(), {c[2], c[1], c[0]});
    if (entryBytes == 4) out.push_back(0);
  }
  return out;
}

// Rows of pixel values (palette indices, or little-endian pixel words of 16, 24 or 32
// bits), written in the order given, each padded to a multiple of 4 bytes.
inline Bytes PackRows(const std::vector<std::vector<std::uint32_t>>& rows, int bitCount) {
  Bytes out;
  for (const auto& row : rows) {
    const std::size_t start = out.size();
    if (bitCount < 8) {
      const int perByte = 8 / bitCount;
      for (std::size_t x = 0; x < row.size(); ++x) {
        if (x % perByte == 0) out.push_back(0);
        out.back() |= row[x] << (8 - bitCount * (x % perByte + 1));
      }
    } else {
      for (std::uint32_t value : row) {
        for (int b = 0; b < bitCount / 8; ++b) out.push_back((value >> (8 * b)) & 0xFF);
      }
    }
    while ((out.size() - start) % 4 != 0) out.push_back(0);
  }
  return out;
}

// A whole file: file header, then dib (header, masks, colour table), gap bytes, pixels.
inline Bytes BmpFile(const Bytes& dib, const Bytes& pixels, std::size_t gap = 0) {
  Bytes out{'B', 'M'};
  const std::uint32_t pixelOffset = 14 + dib.size() + gap;
  PutU32(out, pixelOffset + pixels.size());
  PutU32(out, 0);
  PutU32(out, pixelOffset);
  Append(out, dib);
  out.resize(pixelOffset, 0xEE);
  Append(out, pixels);
  return out;
}

// The picture a decoder gives, or an empty one when it fails.
template <typename Decoder>
Picture DecodeWith(Decoder decode, const Bytes& file) {
  PictureSink sink;
  if (!decode(std::span<const std::uint8_t>(file), sink)) return Picture{};
  return std::move(sink).Result();
}

// Rows of colours as the RGB bytes of a picture, top row first.
inline std::vector<std::uint8_t> RgbRows(const std::vector<std::vector<Rgb>>& rows) {
  std::vector<std::uint8_t> out;
  for (const auto& row : rows) {
    for (const Rgb& c : row) out.insert(out.end(), c.begin(), c.end());
  }
  return out;
}

}  // namespace kadrex::test

#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "platform/image/bmp_info.h"
#include "platform/image/row_sink.h"

namespace kadrex {

// Turns the stored rows of an uncompressed BMP into RGB rows.
class BmpRowUnpacker {
 public:
  explicit BmpRowUnpacker(const BmpInfo& info);
  // Reads Stride() bytes at most from stored and writes width x 3 bytes to rgb.
  void Unpack(const std::uint8_t* stored, std::uint8_t* rgb) const;

 private:
  // One colour's bit field, scaled so that its largest value gives 255.
  struct BitField {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint64_t largest = 0;
    std::uint8_t Scale(std::uint32_t pixel) const;
  };

  template <int kBits>
  void UnpackIndexed(const std::uint8_t* stored, std::uint8_t* rgb) const;
  template <int kBytes>
  void UnpackBitFields(const std::uint8_t* stored, std::uint8_t* rgb) const;

  const BmpInfo& info_;
  std::array<BitField, 3> fields_;
};

// Streams an uncompressed BMP's rows to the sink top-down through one row buffer.
// False, before the sink hears anything, when the rows do not all lie within pixels;
// false too when the sink refuses the size.
bool StreamBmpRows(const BmpInfo& info, std::span<const std::uint8_t> pixels, RowSink& sink);

}  // namespace kadrex

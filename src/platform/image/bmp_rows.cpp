#include "platform/image/bmp_rows.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <vector>

#include "platform/image/byte_fields.h"

namespace kadrex {

namespace {

constexpr std::uint64_t kLargestChannelValue = 255;

}  // namespace

std::uint8_t BmpRowUnpacker::BitField::Scale(std::uint32_t pixel) const {
  const std::uint64_t value = (pixel & mask) >> shift;
  if (largest == kLargestChannelValue || largest == 0) return static_cast<std::uint8_t>(value);
  return static_cast<std::uint8_t>((value * kLargestChannelValue + largest / 2) / largest);
}

BmpRowUnpacker::BmpRowUnpacker(const BmpInfo& info) : info_(info) {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    BitField& field = fields_[i];
    field.mask = info.masks[i];
    field.shift = field.mask == 0 ? 0 : std::countr_zero(field.mask);
    // A mask with gaps scales by its highest value, which every value stays under.
    field.largest = field.mask >> field.shift;
  }
}

template <int kBits>
void BmpRowUnpacker::UnpackIndexed(const std::uint8_t* stored, std::uint8_t* rgb) const {
  constexpr int kPerByte = 8 / kBits;
  constexpr unsigned kIndexMask = (1u << kBits) - 1;
  for (int x = 0; x < info_.width; ++x) {
    // The leftmost pixel sits in the highest bits of its byte.
    const int shift = 8 - kBits * (x % kPerByte + 1);
    const unsigned index = (stored[x / kPerByte] >> shift) & kIndexMask;
    std::copy_n(info_.palette.data() + 3 * index, 3, rgb + 3 * x);
  }
}

template <int kBytes>
void BmpRowUnpacker::UnpackBitFields(const std::uint8_t* stored, std::uint8_t* rgb) const {
  for (int x = 0; x < info_.width; ++x) {
    const std::uint8_t* at = stored + kBytes * x;
    const std::uint32_t pixel = kBytes == 2 ? LoadU16Le(at) : LoadU32Le(at);
    for (std::size_t c = 0; c < fields_.size(); ++c) rgb[3 * x + c] = fields_[c].Scale(pixel);
  }
}

void BmpRowUnpacker::Unpack(const std::uint8_t* stored, std::uint8_t* rgb) const {
  switch (info_.bitCount) {
    case 1:
      return UnpackIndexed<1>(stored, rgb);
    case 4:
      return UnpackIndexed<4>(stored, rgb);
    case 8:
      return UnpackIndexed<8>(stored, rgb);
    case 16:
      return UnpackBitFields<2>(stored, rgb);
    case 24:
      for (int x = 0; x < info_.width; ++x) {
        const std::uint8_t* bgr = stored + 3 * x;
        rgb[3 * x] = bgr[2];
        rgb[3 * x + 1] = bgr[1];
        rgb[3 * x + 2] = bgr[0];
      }
      return;
    case 32:
      return UnpackBitFields<4>(stored, rgb);
  }
}

bool StreamBmpRows(const BmpInfo& info, std::span<const std::uint8_t> pixels, RowSink& sink) {
  // Width and height passed PictureSizeAllowed, so this product stays far below 2^64.
  const std::uint64_t stride = info.Stride();
  if (!RangeFits(pixels.size(), 0, stride * info.height)) return false;
  const BmpRowUnpacker unpacker(info);
  std::vector<std::uint8_t> row(std::size_t{3} * info.width);
  if (!sink.Begin(info.width, info.height)) return false;
  for (int y = 0; y < info.height; ++y) {
    const int stored = info.topDown ? y : info.height - 1 - y;
    unpacker.Unpack(pixels.data() + stride * stored, row.data());
    sink.Row(row.data());
  }
  return true;
}

}  // namespace kadrex

#include "platform/image/encode.h"

#include "platform/image/byte_fields.h"

namespace kadrex {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kPixelOffset = kFileHeaderBytes + kInfoHeaderBytes;
constexpr std::uint16_t kBitsPerPixel = 24;

// The 14-byte file header and the 40-byte info header of an uncompressed 24-bit BMP
// with bottom-up rows; resolution, colours used and colours important stay 0.
void WriteHeaders(std::uint8_t* out, const Picture& picture, std::uint32_t imageBytes) {
  out[0] = 'B';
  out[1] = 'M';
  StoreU32Le(out + 2, kPixelOffset + imageBytes);
  StoreU32Le(out + 10, kPixelOffset);
  std::uint8_t* info = out + kFileHeaderBytes;
  StoreU32Le(info, kInfoHeaderBytes);
  StoreU32Le(info + 4, picture.width);
  StoreU32Le(info + 8, picture.height);
  StoreU16Le(info + 12, 1);
  StoreU16Le(info + 14, kBitsPerPixel);
  StoreU32Le(info + 20, imageBytes);
}

}  // namespace

bool EncodeBmp(const Picture& picture, std::vector<std::uint8_t>& out) {
  out.clear();
  if (picture.Empty() || !PictureSizeAllowed(picture.width, picture.height) ||
      picture.pixels.size() != picture.RowBytes() * picture.height) {
    return false;
  }
  // The allowed sizes keep the whole file far below 4 GB, so every field fits.
  const std::size_t rowBytes = (picture.RowBytes() + 3) / 4 * 4;
  const std::size_t imageBytes = rowBytes * picture.height;
  out.assign(kPixelOffset + imageBytes, 0);
  WriteHeaders(out.data(), picture, static_cast<std::uint32_t>(imageBytes));
  for (int y = 0; y < picture.height; ++y) {
    const std::uint8_t* rgb = picture.Row(picture.height - 1 - y);
    std::uint8_t* bgr = out.data() + kPixelOffset + rowBytes * y;
    for (int x = 0; x < picture.width; ++x) {
      bgr[3 * x] = rgb[3 * x + 2];
      bgr[3 * x + 1] = rgb[3 * x + 1];
      bgr[3 * x + 2] = rgb[3 * x];
    }
  }
  return true;
}

}  // namespace kadrex

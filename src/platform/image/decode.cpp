#include "platform/image/decode.h"

#include <algorithm>
#include <array>

namespace kadrex {

namespace {

bool StartsWith(std::span<const std::uint8_t> data, std::span<const std::uint8_t> prefix) {
  return data.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), data.begin());
}

constexpr std::array<std::uint8_t, 2> kBmpSignature{'B', 'M'};
constexpr std::array<std::uint8_t, 8> kPngSignature{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::array<std::uint8_t, 3> kJpegSignature{0xFF, 0xD8, 0xFF};
// Reserved 0 and resource type 1 (icon); the image count follows.
constexpr std::array<std::uint8_t, 4> kIcoSignature{0, 0, 1, 0};

}  // namespace

PictureFormat DetectFormat(std::span<const std::uint8_t> data) {
  if (StartsWith(data, kPngSignature)) return PictureFormat::Png;
  if (StartsWith(data, kJpegSignature)) return PictureFormat::Jpeg;
  if (StartsWith(data, kBmpSignature)) return PictureFormat::Bmp;
  if (StartsWith(data, kIcoSignature) && data.size() >= 6 && (data[4] | data[5]) != 0) {
    return PictureFormat::Ico;
  }
  return PictureFormat::Unknown;
}

bool DecodePicture(std::span<const std::uint8_t> data, RowSink& sink) {
  switch (DetectFormat(data)) {
    case PictureFormat::Bmp:
      return DecodeBmp(data, sink);
    case PictureFormat::Png:
      return DecodePng(data, sink);
    case PictureFormat::Jpeg:
      return DecodeJpeg(data, sink);
    case PictureFormat::Ico:
      return DecodeIco(data, sink);
    case PictureFormat::Unknown:
      break;
  }
  return false;
}

}  // namespace kadrex

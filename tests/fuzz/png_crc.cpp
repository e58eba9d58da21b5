#include "png_crc.h"

#include <zlib.h>

#include "platform/image/byte_fields.h"

namespace kadrex::fuzz {

namespace {

constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kLengthAndTypeBytes = 8;
constexpr std::size_t kCrcBytes = 4;

}  // namespace

void MendPngCrcs(std::vector<std::uint8_t>& png) {
  std::size_t at = kSignatureBytes;
  while (RangeFits(png.size(), at, kLengthAndTypeBytes)) {
    const std::uint64_t length = LoadU32Be(png.data() + at);
    if (!RangeFits(png.size(), at + kLengthAndTypeBytes, length + kCrcBytes)) return;
    const std::uint8_t* typeAndData = png.data() + at + 4;
    const auto crc =
        static_cast<std::uint32_t>(crc32(0, typeAndData, static_cast<uInt>(4 + length)));
    std::uint8_t* stored = png.data() + at + kLengthAndTypeBytes + length;
    for (int i = 0; i < 4; ++i) stored[i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    at += kLengthAndTypeBytes + length + kCrcBytes;
  }
}

}  // namespace kadrex::fuzz

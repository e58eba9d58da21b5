#include "platform/image/bmp_info.h"

#include <algorithm>
#include <cstdlib>

#include "platform/image/byte_fields.h"
#include "platform/image/picture.h"

namespace kadrex {

namespace {

constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kInfoHeaderBytes = 40;
// The later Windows headers: V2 and V3 carry the bit fields, V4 adds a colour space
// and V5 a colour profile, none of which a 24-bit store uses.
constexpr std::array<std::uint32_t, 4> kLaterHeaderBytes{52, 56, 108, 124};
constexpr std::size_t kMasksAt = 40;

constexpr std::uint32_t kCompressionRgb = 0;
constexpr std::uint32_t kCompressionRle8 = 1;
constexpr std::uint32_t kCompressionRle4 = 2;
constexpr std::uint32_t kCompressionBitFields = 3;
constexpr std::uint32_t kCompressionAlphaBitFields = 6;

constexpr std::array<int, 6> kBitCounts{1, 4, 8, 16, 24, 32};
constexpr std::array<std::uint32_t, 3> kMasks555{0x7C00, 0x03E0, 0x001F};
constexpr std::array<std::uint32_t, 3> kMasksBgrx{0xFF0000, 0x00FF00, 0x0000FF};
constexpr int kLargestIndexedBitCount = 8;

bool KnownHeaderSize(std::uint32_t size) {
  return size == kCoreHeaderBytes || size == kInfoHeaderBytes ||
         std::find(kLaterHeaderBytes.begin(), kLaterHeaderBytes.end(), size) !=
             kLaterHeaderBytes.end();
}

// Sets the encoding and says whether it goes with the bit count.
bool ReadEncoding(std::uint32_t compression, int bitCount, BmpInfo& info) {
  switch (compression) {
    case kCompressionRgb:
      info.encoding = BmpEncoding::Packed;
      return true;
    case kCompressionRle8:
      info.encoding = BmpEncoding::Rle8;
      return bitCount == 8;
    case kCompressionRle4:
      info.encoding = BmpEncoding::Rle4;
      return bitCount == 4;
    case kCompressionBitFields:
    case kCompressionAlphaBitFields:
      info.encoding = BmpEncoding::Packed;
      return bitCount == 16 || bitCount == 32;
    default:
      return false;
  }
}

// Reads the bit fields of a bit-field header; the 40-byte header keeps them after
// itself (with an alpha mask for the alpha variant), the later ones inside.
// Advances tableStart past masks stored after the header.
bool ReadMasks(std::span<const std::uint8_t> dib, std::uint32_t compression,
               std::uint32_t headerBytes, std::uint64_t& tableStart, BmpInfo& info) {
  if (compression != kCompressionBitFields && compression != kCompressionAlphaBitFields) {
    info.masks = info.bitCount == 16 ? kMasks555 : kMasksBgrx;
    return true;
  }
  if (headerBytes == kInfoHeaderBytes) {
    tableStart += compression == kCompressionAlphaBitFields ? 16 : 12;
    if (tableStart > dib.size()) return false;
  }
  for (std::size_t i = 0; i < info.masks.size(); ++i) {
    info.masks[i] = LoadU32Le(dib.data() + kMasksAt + 4 * i);
  }
  return true;
}

void ReadPalette(std::span<const std::uint8_t> dib, std::uint64_t tableStart,
                 std::uint64_t declared, int entryBytes, BmpInfo& info) {
  const std::uint64_t held = (dib.size() - tableStart) / entryBytes;
  const std::uint64_t entries = std::min({declared, held, std::uint64_t{info.palette.size() / 3}});
  for (std::uint64_t i = 0; i < entries; ++i) {
    const std::uint8_t* bgr = dib.data() + tableStart + i * entryBytes;
    info.palette[3 * i] = bgr[2];
    info.palette[3 * i + 1] = bgr[1];
    info.palette[3 * i + 2] = bgr[0];
  }
}

}  // namespace

std::uint64_t BmpInfo::Stride() const {
  return (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
}

bool ReadBmpInfo(std::span<const std::uint8_t> dib, BmpInfo& info) {
  info = BmpInfo{};
  if (dib.size() < 4) return false;
  const std::uint32_t headerBytes = LoadU32Le(dib.data());
  if (!KnownHeaderSize(headerBytes) || headerBytes > dib.size()) return false;

  const std::uint8_t* header = dib.data();
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint16_t planes = 0;
  std::uint32_t compression = kCompressionRgb;
  std::uint32_t coloursUsed = 0;
  int entryBytes = 4;
  if (headerBytes == kCoreHeaderBytes) {
    width = LoadU16Le(header + 4);
    height = LoadU16Le(header + 6);
    planes = LoadU16Le(header + 8);
    info.bitCount = LoadU16Le(header + 10);
    entryBytes = 3;
  } else {
    width = LoadI32Le(header + 4);
    height = LoadI32Le(header + 8);
    planes = LoadU16Le(header + 12);
    info.bitCount = LoadU16Le(header + 14);
    compression = LoadU32Le(header + 16);
    coloursUsed = LoadU32Le(header + 32);
  }
  info.topDown = height < 0;
  height = std::abs(height);
  if (planes != 1 || !PictureSizeAllowed(width, height) ||
      std::find(kBitCounts.begin(), kBitCounts.end(), info.bitCount) == kBitCounts.end() ||
      !ReadEncoding(compression, info.bitCount, info)) {
    return false;
  }
  info.width = static_cast<int>(width);
  info.height = static_cast<int>(height);

  std::uint64_t tableStart = headerBytes;
  if (info.bitCount > kLargestIndexedBitCount) {
    if (!ReadMasks(dib, compression, headerBytes, tableStart, info)) return false;
  }
  // Zero colours used means the full table of an indexed picture; a direct-colour
  // picture may still carry a table, which only moves its pixels.
  std::uint64_t declared = coloursUsed;
  if (info.bitCount <= kLargestIndexedBitCount) {
    if (declared == 0) declared = std::uint64_t{1} << info.bitCount;
    ReadPalette(dib, tableStart, declared, entryBytes, info);
  }
  info.tableEnd = tableStart + declared * entryBytes;
  return true;
}

}  // namespace kadrex

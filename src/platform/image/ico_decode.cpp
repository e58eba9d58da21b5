#include "platform/image/decode.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/image/bmp_info.h"
#include "platform/image/bmp_rows.h"
#include "platform/image/byte_fields.h"

namespace kadrex {

namespace {

// Reserved 0, type 1 (icon), image count; then one 16-byte entry per image.
constexpr std::size_t kDirectoryBytes = 6;
constexpr std::uint16_t kIconType = 1;
constexpr std::size_t kEntryBytes = 16;
constexpr std::size_t kEntrySizeAt = 8;
constexpr std::size_t kEntryOffsetAt = 12;
// No real icon holds more sizes than this; further entries are not looked at.
constexpr std::size_t kMostEntries = 256;

// A PNG's IHDR chunk follows its signature: length and type, then width, height, bit
// depth and colour type.
constexpr std::size_t kIhdrTypeAt = 12;
constexpr std::array<std::uint8_t, 4> kIhdrType{'I', 'H', 'D', 'R'};
constexpr std::size_t kPngWidthAt = 16;
constexpr std::size_t kPngHeightAt = 20;
constexpr std::size_t kPngBitDepthAt = 24;
constexpr std::size_t kPngColourTypeAt = 25;

// One image of the icon and what its own header says of it.
struct IconImage {
  std::span<const std::uint8_t> bytes;
  bool png = false;
  std::uint64_t area = 0;
  int depth = 0;  // bits per pixel
};

// Samples per pixel of a PNG colour type: grey, -, RGB, palette, grey+alpha, -, RGBA.
constexpr std::array<int, 7> kPngChannels{1, 0, 3, 1, 2, 0, 4};

bool ReadPngImage(IconImage& image) {
  const std::span<const std::uint8_t> bytes = image.bytes;
  if (bytes.size() <= kPngColourTypeAt || DetectFormat(bytes) != PictureFormat::Png ||
      !std::equal(kIhdrType.begin(), kIhdrType.end(), bytes.begin() + kIhdrTypeAt)) {
    return false;
  }
  const std::uint8_t colourType = bytes[kPngColourTypeAt];
  if (colourType >= kPngChannels.size() || kPngChannels[colourType] == 0) return false;
  image.png = true;
  image.area =
      std::uint64_t{LoadU32Be(bytes.data() + kPngWidthAt)} * LoadU32Be(bytes.data() + kPngHeightAt);
  image.depth = bytes[kPngBitDepthAt] * kPngChannels[colourType];
  return true;
}

// A BMP image's header counts the colour rows and the AND mask rows below them, so
// its height is twice the icon's.
bool ReadBmpImage(std::span<const std::uint8_t> bytes, BmpInfo& info) {
  if (!ReadBmpInfo(bytes, info) || info.encoding != BmpEncoding::Packed || info.height < 2) {
    return false;
  }
  info.height /= 2;
  return true;
}

// The icon's pixels are the colour bitmap as stored. The AND mask only says which
// pixels are transparent, and a picture without alpha has no use for it, so it is
// neither read nor required.
bool DecodeBmpImage(std::span<const std::uint8_t> bytes, RowSink& sink) {
  BmpInfo info;
  if (!ReadBmpImage(bytes, info) || info.tableEnd > bytes.size()) return false;
  return StreamBmpRows(info, bytes.subspan(info.tableEnd), sink);
}

std::optional<IconImage> ReadImage(std::span<const std::uint8_t> bytes) {
  IconImage image{.bytes = bytes};
  if (ReadPngImage(image)) return image;
  BmpInfo info;
  if (!ReadBmpImage(bytes, info)) return std::nullopt;
  image.area = std::uint64_t{static_cast<std::uint32_t>(info.width)} * info.height;
  image.depth = info.bitCount;
  return image;
}

bool Better(const IconImage& image, const IconImage& than) {
  return image.area != than.area ? image.area > than.area : image.depth > than.depth;
}

}  // namespace

// Decodes the largest image by the sizes in the images' own headers, the deepest of
// equally large ones; entries that point outside the file or into the directory, or
// whose header is not understood, are passed over.
bool DecodeIco(std::span<const std::uint8_t> data, RowSink& sink) {
  if (data.size() < kDirectoryBytes || LoadU16Le(data.data()) != 0 ||
      LoadU16Le(data.data() + 2) != kIconType) {
    return false;
  }
  const std::size_t count = LoadU16Le(data.data() + 4);
  const std::uint64_t directoryEnd = kDirectoryBytes + std::uint64_t{count} * kEntryBytes;
  if (count == 0 || directoryEnd > data.size()) return false;

  std::optional<IconImage> best;
  for (std::size_t i = 0; i < std::min(count, kMostEntries); ++i) {
    const std::uint8_t* entry = data.data() + kDirectoryBytes + kEntryBytes * i;
    const std::uint32_t size = LoadU32Le(entry + kEntrySizeAt);
    const std::uint32_t offset = LoadU32Le(entry + kEntryOffsetAt);
    if (offset < directoryEnd || !RangeFits(data.size(), offset, size)) continue;
    const std::optional<IconImage> image = ReadImage(data.subspan(offset, size));
    if (image && (!best || Better(*image, *best))) best = image;
  }
  if (!best) return false;
  return best->png ? DecodePng(best->bytes, sink) : DecodeBmpImage(best->bytes, sink);
}

}  // namespace kadrex

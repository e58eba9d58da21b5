#include "platform/image/exif_orientation.h"

#include <algorithm>
#include <array>

namespace kadrex {

namespace {

constexpr std::array<std::uint8_t, 6> kExifHeader{'E', 'x', 'i', 'f', 0, 0};
constexpr std::uint16_t kTiffMagic = 42;
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;
constexpr std::uint64_t kIfdEntryBytes = 12;
constexpr int kHighestOrientation = 8;

// Bounds-checked reads of the TIFF structure in either byte order; offsets are
// 64-bit so that no offset taken from the file can wrap.
class TiffReader {
 public:
  TiffReader(std::span<const std::uint8_t> tiff, bool bigEndian)
      : tiff_(tiff), bigEndian_(bigEndian) {}

  bool Read16(std::uint64_t offset, std::uint16_t& value) const {
    if (!Holds(offset, 2)) return false;
    const std::uint8_t* p = tiff_.data() + offset;
    value = bigEndian_ ? (p[0] << 8 | p[1]) : (p[1] << 8 | p[0]);
    return true;
  }

  bool Read32(std::uint64_t offset, std::uint32_t& value) const {
    std::uint16_t first = 0;
    std::uint16_t second = 0;
    if (!Read16(offset, first) || !Read16(offset + 2, second)) return false;
    value =
        bigEndian_ ? (std::uint32_t{first} << 16 | second) : (std::uint32_t{second} << 16 | first);
    return true;
  }

 private:
  bool Holds(std::uint64_t offset, std::uint64_t length) const {
    return offset <= tiff_.size() && tiff_.size() - offset >= length;
  }

  std::span<const std::uint8_t> tiff_;
  bool bigEndian_;
};

}  // namespace

bool IsExifBlock(std::span<const std::uint8_t> app1) {
  return app1.size() >= kExifHeader.size() &&
         std::equal(kExifHeader.begin(), kExifHeader.end(), app1.begin());
}

int ExifOrientation(std::span<const std::uint8_t> app1) {
  if (!IsExifBlock(app1)) return kOrientationAsStored;
  const std::span<const std::uint8_t> tiff = app1.subspan(kExifHeader.size());
  if (tiff.size() < 2 || tiff[0] != tiff[1] || (tiff[0] != 'I' && tiff[0] != 'M')) {
    return kOrientationAsStored;
  }
  const TiffReader reader(tiff, tiff[0] == 'M');
  std::uint16_t magic = 0;
  std::uint32_t ifd0 = 0;
  std::uint16_t entries = 0;
  if (!reader.Read16(2, magic) || magic != kTiffMagic || !reader.Read32(4, ifd0) ||
      !reader.Read16(ifd0, entries)) {
    return kOrientationAsStored;
  }
  // Only IFD0 is read and no offset is followed from it, so a looping chain costs nothing.
  for (std::uint64_t index = 0; index < entries; ++index) {
    const std::uint64_t entry = std::uint64_t{ifd0} + 2 + index * kIfdEntryBytes;
    std::uint16_t tag = 0;
    if (!reader.Read16(entry, tag)) break;
    if (tag != kOrientationTag) continue;
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    std::uint16_t value = 0;
    if (reader.Read16(entry + 2, type) && reader.Read32(entry + 4, count) &&
        reader.Read16(entry + 8, value) && type == kShortType && count == 1 &&
        value >= kOrientationAsStored && value <= kHighestOrientation) {
      return value;
    }
    break;
  }
  return kOrientationAsStored;
}

}  // namespace kadrex

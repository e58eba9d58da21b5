#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <vector>

#include "platform/image/decode.h"
#include "platform/image/file_bytes.h"

namespace kadrex {
namespace {

std::uint32_t Little16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8;
}

std::uint32_t Little32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return Little16(bytes, at) | Little16(bytes, at + 2) << 16;
}

std::uint32_t RowBytes(std::uint32_t width, std::uint32_t bitsPerPixel) {
  return (width * bitsPerPixel + 31) / 32 * 4;
}

class ProgramIcon : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ReadFileBytes(KADREX_ICON_FILE, icon_)); }
  std::vector<std::uint8_t> icon_;
};

struct Entry {
  std::uint32_t size;
  std::uint32_t bitsPerPixel;
};
constexpr Entry kEntries[] = {{32, 4}, {32, 8}, {16, 4}, {16, 8}};

TEST_F(ProgramIcon, HoldsFourPaletteBitmapsWithMasks) {
  ASSERT_GE(icon_.size(), 6u + 16 * std::size(kEntries));
  EXPECT_EQ(Little16(icon_, 0), 0u);
  EXPECT_EQ(Little16(icon_, 2), 1u) << "type: icon";
  ASSERT_EQ(Little16(icon_, 4), std::size(kEntries));

  std::size_t expectedOffset = 6 + 16 * std::size(kEntries);
  for (std::size_t i = 0; i < std::size(kEntries); ++i) {
    SCOPED_TRACE(i);
    const Entry& want = kEntries[i];
    const std::size_t entry = 6 + 16 * i;
    EXPECT_EQ(icon_[entry], want.size);
    EXPECT_EQ(icon_[entry + 1], want.size);
    EXPECT_EQ(icon_[entry + 2], want.bitsPerPixel == 4 ? 16 : 0) << "colour count";
    EXPECT_EQ(Little16(icon_, entry + 4), 1u) << "planes";
    EXPECT_EQ(Little16(icon_, entry + 6), want.bitsPerPixel);

    const std::uint32_t colourBytes = RowBytes(want.size, want.bitsPerPixel) * want.size;
    const std::uint32_t maskBytes = RowBytes(want.size, 1) * want.size;
    const std::uint32_t paletteBytes = 4u << want.bitsPerPixel;
    const std::uint32_t bytes = 40 + paletteBytes + colourBytes + maskBytes;
    EXPECT_EQ(Little32(icon_, entry + 8), bytes);
    ASSERT_EQ(Little32(icon_, entry + 12), expectedOffset);
    ASSERT_LE(expectedOffset + bytes, icon_.size());

    const std::size_t bitmap = expectedOffset;
    EXPECT_EQ(Little32(icon_, bitmap), 40u) << "info header size";
    EXPECT_EQ(Little32(icon_, bitmap + 4), want.size);
    EXPECT_EQ(Little32(icon_, bitmap + 8), 2 * want.size) << "colour rows plus mask rows";
    EXPECT_EQ(Little16(icon_, bitmap + 14), want.bitsPerPixel);
    EXPECT_EQ(Little32(icon_, bitmap + 16), 0u) << "uncompressed";

    // The mask is stored bottom-up: its last row is the icon's top row, which lies above
    // the frame and is see-through; the middle row crosses the frame and is opaque.
    const std::size_t mask = bitmap + 40 + paletteBytes + colourBytes;
    const std::uint32_t maskRow = RowBytes(want.size, 1);
    const std::size_t topRow = mask + maskRow * (want.size - 1);
    const std::size_t middleRow = mask + maskRow * (want.size / 2);
    for (std::uint32_t byte = 0; byte < want.size / 8; ++byte) {
      EXPECT_EQ(icon_[topRow + byte], 0xFF);
      EXPECT_EQ(icon_[middleRow + byte], 0x00);
    }
    expectedOffset += bytes;
  }
  EXPECT_EQ(expectedOffset, icon_.size());
}

TEST_F(ProgramIcon, DecodesAsAnIcon) {
  EXPECT_EQ(DetectFormat(icon_), PictureFormat::Ico);
  PictureSink sink;
  EXPECT_TRUE(DecodePicture(icon_, sink));
}

}  // namespace
}  // namespace kadrex

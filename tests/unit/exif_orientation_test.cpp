#include "platform/image/exif_orientation.h"

#include <gtest/gtest.h>

#include <vector>

#include "codec_test_support.h"

namespace kadrex {
namespace {

using test::ExifBlock;

TEST(ExifOrientation, ReadsEveryValueInBothByteOrders) {
  for (bool bigEndian : {false, true}) {
    for (std::uint16_t value = 1; value <= 8; ++value) {
      ExifBlock block;
      block.bigEndian = bigEndian;
      block.orientation = value;
      EXPECT_EQ(ExifOrientation(block.Build()), value) << (bigEndian ? "MM " : "II ") << value;
    }
  }
}

// Each case breaks one thing in a block that would otherwise say 6.
TEST(ExifOrientation, MalformedBlocksReadAsStored) {
  struct Malformed {
    const char* name;
    ExifBlock block;
    std::size_t cutBytes;  // taken off the end of the block
  };
  auto with = [](auto change) {
    ExifBlock block;
    block.orientation = 6;
    change(block);
    return block;
  };
  auto same = [](ExifBlock&) {};
  const Malformed cases[] = {
      {"IFD0 past the end", with([](ExifBlock& b) { b.ifd0 = 4000; }), 0},
      {"IFD0 offset that would wrap", with([](ExifBlock& b) { b.ifd0 = 0xFFFFFFFF; }), 0},
      {"IFD0 at the TIFF header", with([](ExifBlock& b) { b.ifd0 = 0; }), 0},
      {"entry count past the end", with([](ExifBlock& b) { b.entries = 60000; }), 18},
      {"orientation value cut off", with(same), 8},
      {"next IFD looping to IFD0", with([](ExifBlock& b) { b.entries = 1, b.nextIfd = 8; }), 0},
      {"wrong TIFF magic", with([](ExifBlock& b) { b.magic = 43; }), 0},
      {"orientation as LONG", with([](ExifBlock& b) { b.orientationType = 4; }), 0},
      {"orientation count 2", with([](ExifBlock& b) { b.orientationCount = 2; }), 0},
      {"orientation 0", with([](ExifBlock& b) { b.orientation = 0; }), 0},
      {"orientation 9", with([](ExifBlock& b) { b.orientation = 9; }), 0},
      {"cut in the TIFF header", with(same), 34},
      {"Exif header only", with(same), 38},
      {"cut in the Exif header", with(same), 40},
  };
  for (const Malformed& malformed : cases) {
    SCOPED_TRACE(malformed.name);
    std::vector<std::uint8_t> bytes = malformed.block.Build();
    ASSERT_LE(malformed.cutBytes, bytes.size());
    bytes.resize(bytes.size() - malformed.cutBytes);
    EXPECT_EQ(ExifOrientation(bytes), kOrientationAsStored);
  }
}

TEST(ExifOrientation, OnlyExifBlocksCount) {
  const std::vector<std::uint8_t> xmp{'h', 't', 't', 'p', ':', '/', '/', 'n', 's', 0};
  EXPECT_FALSE(IsExifBlock(xmp));
  EXPECT_EQ(ExifOrientation(xmp), kOrientationAsStored);
  std::vector<std::uint8_t> byteOrder = ExifBlock{}.Build();
  byteOrder[7] = 'M';  // "IM" is no byte order
  EXPECT_TRUE(IsExifBlock(byteOrder));
  EXPECT_EQ(ExifOrientation(byteOrder), kOrientationAsStored);
}

}  // namespace
}  // namespace kadrex

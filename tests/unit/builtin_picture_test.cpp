#include "app/builtin_picture.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "platform/image/decode.h"

namespace kadrex {
namespace {

std::uint32_t BigEndian32(const std::uint8_t* bytes) {
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
         std::uint32_t{bytes[2]} << 8 | bytes[3];
}

struct Chunk {
  std::string type;
  std::span<const std::uint8_t> data;
};

// The chunks of a PNG stream; fails the test on a broken signature, length or CRC.
std::vector<Chunk> ReadChunks(std::span<const std::uint8_t> png) {
  constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<Chunk> chunks;
  if (png.size() < sizeof kSignature ||
      !std::equal(std::begin(kSignature), std::end(kSignature), png.begin())) {
    ADD_FAILURE() << "no PNG signature";
    return chunks;
  }
  std::size_t at = sizeof kSignature;
  while (at < png.size()) {
    if (png.size() - at < 12) {
      ADD_FAILURE() << "truncated chunk at " << at;
      break;
    }
    const std::uint32_t length = BigEndian32(&png[at]);
    if (png.size() - at - 12 < length) {
      ADD_FAILURE() << "chunk at " << at << " runs past the end";
      break;
    }
    const std::uint8_t* typeAndData = &png[at + 4];
    const std::uint32_t crc = crc32(0, typeAndData, 4 + length);
    EXPECT_EQ(crc, BigEndian32(typeAndData + 4 + length)) << "CRC of the chunk at " << at;
    chunks.push_back({std::string(typeAndData, typeAndData + 4), {typeAndData + 4, length}});
    at += 12 + length;
  }
  return chunks;
}

const std::span<const std::uint8_t> kPicture{kBuiltinPicture, kBuiltinPictureSize};

TEST(BuiltinPicture, HasExactlyHeaderResolutionOneDataChunkAndEnd) {
  std::vector<std::string> types;
  for (const Chunk& chunk : ReadChunks(kPicture)) types.push_back(chunk.type);
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "pHYs", "IDAT", "IEND"}));
}

TEST(BuiltinPicture, IsA300By150RgbPictureAt72Dpi) {
  const std::vector<Chunk> chunks = ReadChunks(kPicture);
  ASSERT_EQ(chunks.size(), 4u);
  const std::span<const std::uint8_t> header = chunks[0].data;
  ASSERT_EQ(header.size(), 13u);
  EXPECT_EQ(BigEndian32(&header[0]), 300u);
  EXPECT_EQ(BigEndian32(&header[4]), 150u);
  EXPECT_EQ(header[8], 8) << "bit depth";
  EXPECT_EQ(header[9], 2) << "colour type: RGB";
  EXPECT_EQ(header[10], 0) << "compression";
  EXPECT_EQ(header[11], 0) << "filter method";
  EXPECT_EQ(header[12], 0) << "interlace";

  const std::span<const std::uint8_t> resolution = chunks[1].data;
  ASSERT_EQ(resolution.size(), 9u);
  EXPECT_EQ(BigEndian32(&resolution[0]), 2834u) << "pixels per metre across";
  EXPECT_EQ(BigEndian32(&resolution[4]), 2834u) << "pixels per metre down";
  EXPECT_EQ(resolution[8], 1) << "unit: metre";
}

TEST(BuiltinPicture, DecodesTo300By150) {
  PictureSink sink;
  ASSERT_TRUE(DecodePicture(kPicture, sink));
  const Picture picture = std::move(sink).Result();
  EXPECT_EQ(picture.width, 300);
  EXPECT_EQ(picture.height, 150);
}

}  // namespace
}  // namespace kadrex

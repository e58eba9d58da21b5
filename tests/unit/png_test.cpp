#include <png.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "codec_test_support.h"
#include "platform/image/decode.h"
#include "platform/image/encode.h"
#include "platform/image/image_store.h"

namespace kadrex {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::DeliveryRecorder;

constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kChunkFrameBytes = 12;  // length, type, CRC

// ---- PNG files written with libpng itself, in every colour type and depth it writes.

struct PngInput {
  const char* name;
  int colourType;
  int bitDepth;
  bool interlaced;
};

constexpr int kInputWidth = 11;  // odd, so packed rows end in part of a byte
constexpr int kInputHeight = 9;  // more than 8, so every Adam7 pass has rows

int Channels(int colourType) {
  switch (colourType) {
    case PNG_COLOR_TYPE_GRAY:
    case PNG_COLOR_TYPE_PALETTE:
      return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
      return 2;
    case PNG_COLOR_TYPE_RGB:
      return 3;
    default:
      return 4;
  }
}

// A stored sample spread over the whole range of the depth.
unsigned Sample(int x, int y, int channel, int bitDepth) {
  const unsigned mixed = (x * 73856093u) ^ (y * 19349663u) ^ (channel * 83492791u);
  return (mixed >> 5) % (1u << bitDepth);
}

png_color PaletteColour(unsigned index) {
  return {static_cast<png_byte>(index * 13), static_cast<png_byte>(255 - index),
          static_cast<png_byte>(index * 71 + 5)};
}

// What a stored sample becomes at 8 bits: low depths scaled up, 16 bits cut to the high byte.
std::uint8_t To8Bits(unsigned sample, int bitDepth) {
  if (bitDepth == 16) return static_cast<std::uint8_t>(sample >> 8);
  return static_cast<std::uint8_t>(sample * 255 / ((1u << bitDepth) - 1));
}

Picture ExpectedPicture(const PngInput& input) {
  Picture expected;
  MakeBlackPicture(expected, kInputWidth, kInputHeight);
  for (int y = 0; y < kInputHeight; ++y) {
    for (int x = 0; x < kInputWidth; ++x) {
      std::uint8_t* rgb = expected.Row(y) + 3 * x;
      if (input.colourType == PNG_COLOR_TYPE_PALETTE) {
        const png_color colour = PaletteColour(Sample(x, y, 0, input.bitDepth));
        rgb[0] = colour.red;
        rgb[1] = colour.green;
        rgb[2] = colour.blue;
        continue;
      }
      const bool colour = (input.colourType & PNG_COLOR_MASK_COLOR) != 0;
      for (int c = 0; c < 3; ++c) {
        rgb[c] = To8Bits(Sample(x, y, colour ? c : 0, input.bitDepth), input.bitDepth);
      }
    }
  }
  return expected;
}

void AppendToBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

struct PngWriteGuard {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  ~PngWriteGuard() { png_destroy_write_struct(&png, &info); }
};

Bytes WriteTestPng(const PngInput& input) {
  const int channels = Channels(input.colourType);
  const int sampleBytes = input.bitDepth == 16 ? 2 : 1;
  // Depths below 8 are given one sample a byte and packed by libpng.
  std::vector<Bytes> rows(kInputHeight, Bytes(kInputWidth * channels * sampleBytes));
  std::vector<png_bytep> rowPointers;
  for (int y = 0; y < kInputHeight; ++y) {
    for (int x = 0; x < kInputWidth; ++x) {
      for (int c = 0; c < channels; ++c) {
        const unsigned sample = Sample(x, y, c, input.bitDepth);
        png_bytep at = rows[y].data() + (x * channels + c) * sampleBytes;
        if (sampleBytes == 2) {
          at[0] = sample >> 8;
          at[1] = sample & 0xFF;
        } else {
          at[0] = sample;
        }
      }
    }
    rowPointers.push_back(rows[y].data());
  }

  Bytes out;
  PngWriteGuard guard;
  png_set_write_fn(guard.png, &out, AppendToBytes, [](png_structp) {});
  png_set_IHDR(guard.png, guard.info, kInputWidth, kInputHeight, input.bitDepth, input.colourType,
               input.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  std::vector<png_byte> alphas;
  if (input.colourType == PNG_COLOR_TYPE_PALETTE) {
    for (unsigned i = 0; i < (1u << input.bitDepth); ++i) {
      palette.push_back(PaletteColour(i));
      alphas.push_back(static_cast<png_byte>(i * 40));
    }
    png_set_PLTE(guard.png, guard.info, palette.data(), static_cast<int>(palette.size()));
    png_set_tRNS(guard.png, guard.info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
  }
  png_write_info(guard.png, guard.info);
  if (input.bitDepth < 8) png_set_packing(guard.png);
  png_write_image(guard.png, rowPointers.data());
  png_write_end(guard.png, nullptr);
  return out;
}

TEST(PngDecode, EveryColourTypeAndDepthBecomes8BitRgb) {
  const PngInput inputs[] = {
      {"grey 1", PNG_COLOR_TYPE_GRAY, 1, false},
      {"grey 2", PNG_COLOR_TYPE_GRAY, 2, false},
      {"grey 4", PNG_COLOR_TYPE_GRAY, 4, false},
      {"grey 8", PNG_COLOR_TYPE_GRAY, 8, false},
      {"grey 16", PNG_COLOR_TYPE_GRAY, 16, false},
      {"grey+alpha 8", PNG_COLOR_TYPE_GRAY_ALPHA, 8, false},
      {"grey+alpha 16", PNG_COLOR_TYPE_GRAY_ALPHA, 16, false},
      {"RGB 8", PNG_COLOR_TYPE_RGB, 8, false},
      {"RGB 16", PNG_COLOR_TYPE_RGB, 16, false},
      {"RGBA 8", PNG_COLOR_TYPE_RGB_ALPHA, 8, false},
      {"RGBA 16", PNG_COLOR_TYPE_RGB_ALPHA, 16, false},
      {"palette 1 with tRNS", PNG_COLOR_TYPE_PALETTE, 1, false},
      {"palette 2 with tRNS", PNG_COLOR_TYPE_PALETTE, 2, false},
      {"palette 4 with tRNS", PNG_COLOR_TYPE_PALETTE, 4, false},
      {"palette 8 with tRNS", PNG_COLOR_TYPE_PALETTE, 8, false},
      {"RGB 8 Adam7", PNG_COLOR_TYPE_RGB, 8, true},
      {"grey 2 Adam7", PNG_COLOR_TYPE_GRAY, 2, true},
      {"palette 4 Adam7", PNG_COLOR_TYPE_PALETTE, 4, true},
      {"RGBA 16 Adam7", PNG_COLOR_TYPE_RGB_ALPHA, 16, true},
  };
  for (const PngInput& input : inputs) {
    SCOPED_TRACE(input.name);
    DeliveryRecorder sink;
    ASSERT_TRUE(DecodePng(WriteTestPng(input), sink));
    // Rows stream wherever they come out in order; Adam7 needs the whole picture.
    EXPECT_EQ(sink.takes, input.interlaced ? 1 : 0);
    EXPECT_EQ(sink.rows, input.interlaced ? 0 : kInputHeight);
    const Picture picture = std::move(sink).Result();
    EXPECT_EQ(picture.width, kInputWidth);
    EXPECT_EQ(picture.height, kInputHeight);
    EXPECT_EQ(picture.pixels, ExpectedPicture(input).pixels);
  }
}

// ---- The encoder's output, chunk by chunk.

struct Chunk {
  std::string type;
  Bytes data;
  std::size_t offset;  // of the length field in the file
};

std::uint32_t LoadU32Be(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

void StoreU32Be(std::uint8_t* p, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

// The CRC over the type and data of the chunk whose length field is at offset.
std::uint32_t ChunkCrc(const Bytes& png, std::size_t offset, std::size_t dataBytes) {
  return crc32(0, png.data() + offset + 4, static_cast<uInt>(4 + dataBytes));
}

// The chunks of a well-formed file; a test failure for anything else.
std::vector<Chunk> ReadChunks(const Bytes& png) {
  std::vector<Chunk> chunks;
  std::size_t at = kSignatureBytes;
  while (at + kChunkFrameBytes <= png.size()) {
    const std::size_t length = LoadU32Be(png.data() + at);
    if (length > png.size() - at - kChunkFrameBytes) break;
    const std::uint8_t* data = png.data() + at + 8;
    chunks.push_back(
        {std::string(png.begin() + at + 4, png.begin() + at + 8), Bytes(data, data + length), at});
    EXPECT_EQ(LoadU32Be(data + length), ChunkCrc(png, at, length)) << chunks.back().type;
    at += kChunkFrameBytes + length;
  }
  EXPECT_EQ(at, png.size());
  return chunks;
}

const Chunk* FindChunk(const std::vector<Chunk>& chunks, const std::string& type) {
  for (const Chunk& chunk : chunks) {
    if (chunk.type == type) return &chunk;
  }
  return nullptr;
}

Bytes Encoded(const Picture& picture) {
  Bytes png;
  EXPECT_TRUE(EncodePng(picture, png));
  return png;
}

TEST(PngEncode, RoundTripsExactly) {
  const Picture picture = test::NoisePicture(37, 23);
  PictureSink sink;
  ASSERT_TRUE(DecodePng(Encoded(picture), sink));
  EXPECT_TRUE(test::SamePicture(std::move(sink).Result(), picture));
}

TEST(PngEncode, WritesRgb8UnfilteredAtLevel9WithOnlyCriticalChunks) {
  // A smooth ramp, where any adaptive filter would pick Sub or Up over None.
  const Picture picture = test::RampPicture(64, 40);
  const Bytes png = Encoded(picture);
  const std::vector<Chunk> chunks = ReadChunks(png);
  ASSERT_GE(chunks.size(), 3u);
  EXPECT_EQ(chunks.front().type, "IHDR");
  EXPECT_EQ(chunks.back().type, "IEND");
  Bytes zlibStream;
  for (std::size_t i = 1; i + 1 < chunks.size(); ++i) {
    EXPECT_EQ(chunks[i].type, "IDAT");
    zlibStream.insert(zlibStream.end(), chunks[i].data.begin(), chunks[i].data.end());
  }

  const Bytes& ihdr = chunks.front().data;
  ASSERT_EQ(ihdr.size(), 13u);
  EXPECT_EQ(LoadU32Be(&ihdr[0]), 64u);
  EXPECT_EQ(LoadU32Be(&ihdr[4]), 40u);
  EXPECT_EQ(ihdr[8], 8);   // bit depth
  EXPECT_EQ(ihdr[9], 2);   // RGB
  EXPECT_EQ(ihdr[10], 0);  // deflate
  EXPECT_EQ(ihdr[11], 0);  // adaptive filtering method
  EXPECT_EQ(ihdr[12], 0);  // not interlaced

  ASSERT_GE(zlibStream.size(), 2u);
  EXPECT_EQ(zlibStream[1] >> 6, 3) << "FLEVEL of the zlib header: level 9 gives 3";
  const std::size_t rowBytes = 1 + picture.RowBytes();
  Bytes raw(rowBytes * picture.height + 1);
  uLongf rawSize = static_cast<uLongf>(raw.size());
  ASSERT_EQ(uncompress(raw.data(), &rawSize, zlibStream.data(), zlibStream.size()), Z_OK);
  ASSERT_EQ(rawSize, rowBytes * picture.height);
  for (int y = 0; y < picture.height; ++y) {
    const std::uint8_t* row = raw.data() + rowBytes * y;
    EXPECT_EQ(row[0], 0) << "filter byte of row " << y;
    EXPECT_EQ(std::memcmp(row + 1, picture.Row(y), picture.RowBytes()), 0) << "row " << y;
  }
}

TEST(PngEncode, RefusesAnEmptyPicture) {
  Bytes png{1, 2, 3};
  EXPECT_FALSE(EncodePng(Picture{}, png));
  EXPECT_TRUE(png.empty());
}

// ---- Damaged files.

TEST(PngDecode, FailsOnTruncationAndBadCrcs) {
  const Bytes valid = Encoded(test::NoisePicture(30, 20));
  const std::vector<Chunk> chunks = ReadChunks(valid);
  const Chunk* idat = FindChunk(chunks, "IDAT");
  ASSERT_NE(idat, nullptr);
  const std::size_t idatData = idat->offset + 8;
  const std::size_t idatCrc = idatData + idat->data.size();
  const std::size_t ihdrCrc = kSignatureBytes + 8 + 13;

  struct Damage {
    const char* name;
    std::size_t keptBytes;  // the file is cut here
    std::size_t flippedByte;
  };
  const Damage damages[] = {
      {"cut in the signature", 5, 0},
      {"cut in IHDR", kSignatureBytes + 12, 0},
      {"cut in the IDAT data", idatData + idat->data.size() / 2, 0},
      {"cut in the IDAT CRC", idatCrc + 2, 0},
      {"IHDR CRC", valid.size(), ihdrCrc},
      {"IDAT CRC", valid.size(), idatCrc + 3},
      {"IDAT data", valid.size(), idatData + idat->data.size() / 3},
  };
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.name);
    Bytes damaged(valid.begin(), valid.begin() + damage.keptBytes);
    if (damage.flippedByte != 0) damaged[damage.flippedByte] ^= 0x10;
    PictureSink sink;
    EXPECT_FALSE(DecodePng(damaged, sink));
    EXPECT_TRUE(std::move(sink).Result().Empty());
  }
}

// A valid IHDR (CRC included) claiming another size.
Bytes WithClaimedSize(Bytes png, std::uint32_t width, std::uint32_t height) {
  StoreU32Be(&png[kSignatureBytes + 8], width);
  StoreU32Be(&png[kSignatureBytes + 12], height);
  StoreU32Be(&png[kSignatureBytes + 8 + 13], ChunkCrc(png, kSignatureBytes, 13));
  return png;
}

TEST(PngDecode, RefusesSizesBeyondThePictureLimits) {
  const Bytes onePixel = Encoded(test::NoisePicture(1, 1));
  struct Claim {
    std::uint32_t width;
    std::uint32_t height;
  };
  const Claim claims[] = {{0, 5}, {5, 0}, {100000, 100000}, {65536, 1}, {20000, 20000}};
  for (const Claim& claim : claims) {
    SCOPED_TRACE(testing::Message() << claim.width << " x " << claim.height);
    test::RefusingSink sink;
    EXPECT_FALSE(DecodePng(WithClaimedSize(onePixel, claim.width, claim.height), sink));
    EXPECT_EQ(sink.begins + sink.takes, 0) << "refused before the sink hears of it";
  }
  DeliveryRecorder sink;
  EXPECT_TRUE(DecodePng(WithClaimedSize(onePixel, 1, 1), sink)) << "the rewritten IHDR is valid";
}

TEST(PngDecode, StopsWhenTheSinkRefusesThePicture) {
  test::RefusingSink sink;
  EXPECT_FALSE(DecodePng(Encoded(test::NoisePicture(8, 8)), sink));
  EXPECT_EQ(sink.begins, 1);
  EXPECT_EQ(sink.rows, 0);
}

// A chunk with a correct CRC.
Bytes MakeChunk(const std::string& type, const Bytes& data) {
  Bytes chunk(4 + type.size());
  StoreU32Be(chunk.data(), static_cast<std::uint32_t>(data.size()));
  std::copy(type.begin(), type.end(), chunk.begin() + 4);
  chunk.insert(chunk.end(), data.begin(), data.end());
  chunk.resize(chunk.size() + 4);
  StoreU32Be(chunk.data() + chunk.size() - 4, ChunkCrc(chunk, 0, data.size()));
  return chunk;
}

TEST(PngDecode, AncillaryChunksAreSkippedWhateverTheySay) {
  const Picture picture = test::NoisePicture(5, 4);
  Bytes png = Encoded(picture);
  const std::size_t afterHeader = kSignatureBytes + kChunkFrameBytes + 13;
  // Text, a broken colour profile, a large private chunk and a gamma.
  Bytes extra = MakeChunk("tEXt", {'T', 'i', 't', 'l', 'e', 0, 'x'});
  for (const Bytes& chunk :
       {MakeChunk("iCCP", {'p', 0, 0, 1, 2, 3}), MakeChunk("prVt", Bytes(1 << 20, 7)),
        MakeChunk("gAMA", {0, 0, 0x27, 0x10})}) {
    extra.insert(extra.end(), chunk.begin(), chunk.end());
  }
  png.insert(png.begin() + afterHeader, extra.begin(), extra.end());
  PictureSink sink;
  ASSERT_TRUE(DecodePng(png, sink));
  EXPECT_TRUE(test::SamePicture(std::move(sink).Result(), picture));
}

TEST(PngDecode, AnInterlacedPictureIsRefusedBeforeItIsBuilt) {
  test::RefusingSink sink;
  EXPECT_FALSE(DecodePng(WriteTestPng({"rgb", PNG_COLOR_TYPE_RGB, 8, true}), sink));
  EXPECT_EQ(sink.asked, (std::vector<std::pair<int, int>>{{kInputWidth, kInputHeight}}));
  EXPECT_EQ(sink.begins + sink.takes, 0);
}

TEST(PngDecode, DecodeMemoryReadsNoFurtherThanItsBound) {
  const Bytes png = Encoded(test::NoisePicture(30, 20));
  const std::size_t iendBytes = kChunkFrameBytes;
  ImageStore store;
  EXPECT_FALSE(store.DecodeMemory(1, png, png.size() / 2));
  EXPECT_FALSE(store.DecodeMemory(1, png, png.size() - iendBytes - 1));
  ASSERT_TRUE(store.DecodeMemory(1, png, png.size()));
  EXPECT_EQ(store.Width(1), 30);
  EXPECT_EQ(store.Height(1), 20);
}

}  // namespace
}  // namespace kadrex

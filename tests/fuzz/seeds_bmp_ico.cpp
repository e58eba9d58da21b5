// BMP seeds of every depth and header, RLE included, and icons of BMP and PNG images.
#include <cstdint>
#include <vector>

#include "bmp_test_files.h"
#include "seeds.h"

namespace kadrex::fuzz {

namespace {

constexpr int kWidth = 7;  // odd, so that rows carry padding
constexpr int kHeight = 5;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;

const std::vector<test::Rgb> kColours{{0, 0, 0},   {255, 0, 0},   {0, 255, 0},
                                      {0, 0, 255}, {255, 255, 0}, {0, 255, 255}};

// Pixel values of a picture: palette indices below 2^bitCount, or pixel words.
std::vector<std::vector<std::uint32_t>> Pixels(int bitCount, int width, int height) {
  std::vector<std::vector<std::uint32_t>> rows(height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t value = static_cast<std::uint32_t>(x * 37 + y * 101) * 0x010307;
      rows[y].push_back(bitCount <= 8 ? (x + y) % (1u << bitCount) % kColours.size() : value);
    }
  }
  return rows;
}

struct BmpSeed {
  const char* name;
  test::InfoHeader header;
  int entryBytes = 4;  // of the colour table; 3 for the core header
  std::vector<std::uint32_t> masksAfterHeader;
};

test::Bytes BmpSeedFile(const BmpSeed& seed) {
  test::Bytes dib = test::HeaderBytes(seed.header);
  for (std::uint32_t mask : seed.masksAfterHeader) test::PutU32(dib, mask);
  if (seed.header.bitCount <= 8) test::Append(dib, test::PaletteBytes(kColours, seed.entryBytes));
  const int height = seed.header.height < 0 ? -seed.header.height : seed.header.height;
  return test::BmpFile(dib, test::PackRows(Pixels(seed.header.bitCount, seed.header.width, height),
                                           seed.header.bitCount));
}

// Runs, an end of line, an absolute run, a delta and the end of the bitmap.
test::Bytes RleFile(std::uint16_t bitCount, std::uint32_t compression) {
  test::Bytes dib = test::HeaderBytes(
      {.width = kWidth, .height = kHeight, .bitCount = bitCount, .compression = compression});
  test::Append(dib, test::PaletteBytes(kColours));
  const test::Bytes runs{3, 0x12, 4,    0x21, 0, 0,  // a run of each colour, end of line
                         0, 4,    0x13, 0x24, 0, 0,  // an absolute run of four, end of line
                         0, 2,    2,    1,    5, 0x33, 0, 1};  // a delta, a run, end of bitmap
  return test::BmpFile(dib, runs);
}

// An icon's BMP image: a header of twice the height, the colour rows, the AND mask.
test::Bytes IconBmpImage(std::uint16_t bitCount, int size) {
  test::Bytes image = test::HeaderBytes({.width = size, .height = 2 * size, .bitCount = bitCount});
  if (bitCount <= 8) test::Append(image, test::PaletteBytes(kColours));
  test::Append(image, test::PackRows(Pixels(bitCount, size, size), bitCount));
  test::Append(image, test::Bytes(std::size_t{4} * size, 0));
  return image;
}

test::Bytes IconFile(const std::vector<test::Bytes>& images) {
  test::Bytes out;
  test::PutU16(out, 0);
  test::PutU16(out, 1);
  test::PutU16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (const test::Bytes& image : images) {
    out.insert(out.end(), {0, 0, 0, 0});  // width, height, colours, reserved: unused
    test::PutU16(out, 1);
    test::PutU16(out, 32);
    test::PutU32(out, static_cast<std::uint32_t>(image.size()));
    test::PutU32(out, offset);
    offset += static_cast<std::uint32_t>(image.size());
  }
  for (const test::Bytes& image : images) test::Append(out, image);
  return out;
}

}  // namespace

bool WriteBmpSeeds(const std::filesystem::path& folder) {
  const std::vector<BmpSeed> seeds{
      {.name = "1-bit.bmp", .header = {.width = kWidth, .height = kHeight, .bitCount = 1}},
      {.name = "4-bit.bmp", .header = {.width = kWidth, .height = kHeight, .bitCount = 4}},
      {.name = "8-bit-top-down.bmp",
       .header = {.width = kWidth, .height = -kHeight, .bitCount = 8}},
      {.name = "8-bit-core.bmp",
       .header = {.size = 12, .width = kWidth, .height = kHeight, .bitCount = 8},
       .entryBytes = 3},
      {.name = "16-bit-555.bmp", .header = {.width = kWidth, .height = kHeight, .bitCount = 16}},
      {.name = "16-bit-565.bmp",
       .header = {.width = kWidth, .height = kHeight, .bitCount = 16, .compression = kBitFields},
       .masksAfterHeader = {0xF800, 0x07E0, 0x001F}},
      {.name = "24-bit.bmp", .header = {.width = kWidth, .height = kHeight}},
      {.name = "24-bit-v5.bmp", .header = {.size = 124, .width = kWidth, .height = kHeight}},
      {.name = "32-bit.bmp", .header = {.width = kWidth, .height = kHeight, .bitCount = 32}},
      {.name = "32-bit-v4-fields.bmp",
       .header = {.size = 108,
                  .width = kWidth,
                  .height = -kHeight,
                  .bitCount = 32,
                  .compression = kBitFields,
                  .masks = {0x000003FF, 0x000FFC00, 0x3FF00000, 0}}},
  };
  bool written = true;
  for (const BmpSeed& seed : seeds)
    written = WriteSeed(folder, seed.name, BmpSeedFile(seed)) && written;
  return WriteSeed(folder, "rle8.bmp", RleFile(8, kRle8)) &&
         WriteSeed(folder, "rle4.bmp", RleFile(4, kRle4)) && written;
}

bool WriteIcoSeeds(const std::filesystem::path& folder) {
  const test::Bytes png = SmallPng(6, 6);
  return WriteSeed(folder, "bmp-24-bit.ico", IconFile({IconBmpImage(24, 4)})) &&
         WriteSeed(folder, "bmp-8-and-32-bit.ico",
                   IconFile({IconBmpImage(8, 4), IconBmpImage(32, 5)})) &&
         WriteSeed(folder, "png.ico", IconFile({png})) &&
         WriteSeed(folder, "bmp-and-png.ico", IconFile({IconBmpImage(4, 3), png}));
}

}  // namespace kadrex::fuzz

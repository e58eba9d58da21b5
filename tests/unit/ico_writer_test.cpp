#include "output/ico_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "temp_folder.h"

namespace kadrex {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kPalette = 62;
constexpr std::size_t kIndices = 1086;
constexpr std::size_t kMask = 2110;
constexpr std::int32_t kProgramTransparent = 0x01000000;

class IcoWriterTest : public testing::Test {
 protected:
  Bytes Write(const PixelReader& pixel, std::int32_t transparent = kProgramTransparent,
              std::int32_t planes = 0, std::int32_t bitCount = 0) {
    const std::string path = temp / "icon.ico";
    EXPECT_TRUE(IcoWriter(path, transparent, planes, bitCount, pixel));
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  static std::uint32_t Entry(const Bytes& icon, int i) {
    const std::uint8_t* e = &icon[kPalette + 4 * i];
    return e[2] | e[1] << 8 | e[0] << 16 | std::uint32_t{e[3]} << 24;
  }
  // The palette index of pixel (x, y); rows are stored bottom row first.
  static int Index(const Bytes& icon, int x, int y) { return icon[kIndices + (31 - y) * 32 + x]; }

  test::TempFolder temp;
};

TEST_F(IcoWriterTest, PureRedPicture) {
  const Bytes icon = Write([](int, int) { return 0x0000FFu; });
  ASSERT_EQ(icon.size(), 2238u);
  const Bytes header(icon.begin(), icon.begin() + 22);
  EXPECT_EQ(header,
            (Bytes{0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 0, 0, 0, 0, 0xA8, 8, 0, 0, 22, 0, 0, 0}));
  const Bytes bitmapHeader(icon.begin() + 22, icon.begin() + 46);
  EXPECT_EQ(bitmapHeader,
            (Bytes{40, 0, 0, 0, 32, 0, 0, 0, 64, 0, 0, 0, 1, 0, 8, 0, 0, 0, 0, 0, 0x80, 4, 0, 0}));
  EXPECT_TRUE(std::all_of(icon.begin() + 46, icon.begin() + 62, [](auto b) { return b == 0; }));
  EXPECT_EQ(Bytes(icon.begin() + kPalette + 4, icon.begin() + kPalette + 8),
            (Bytes{0, 0, 0xFF, 0}));
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(Entry(icon, i), i == 1 ? 0x0000FFu : 0u) << i;
  }
  EXPECT_TRUE(
      std::all_of(icon.begin() + kIndices, icon.begin() + kMask, [](auto b) { return b == 1; }));
  EXPECT_TRUE(std::all_of(icon.begin() + kMask, icon.end(), [](auto b) { return b == 0; }));
}

TEST_F(IcoWriterTest, BlackPictureIsAllZeros) {
  const Bytes icon = Write([](int, int) { return 0u; });
  EXPECT_TRUE(std::all_of(icon.begin() + kPalette, icon.end(), [](auto b) { return b == 0; }));
}

TEST_F(IcoWriterTest, FirstColoursFillThePaletteThenMerge) {
  // In file order (the bottom row first) the first 254 colours lie far from black; the
  // rest lie near it, so they merge into entry 255, nearest to them while it is still 0.
  const auto order = [](int x, int y) { return (31 - y) * 32 + x; };
  const auto pixel = [&](int x, int y) -> std::uint32_t {
    const int n = order(x, y);
    return n < 254 ? 0x800000u | std::uint32_t(n) : std::uint32_t(n % 40 + 1);
  };
  const Bytes icon = Write(pixel);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (order(x, y) >= 254) continue;
      EXPECT_EQ(Entry(icon, order(x, y) + 1), pixel(x, y));
      EXPECT_EQ(Index(icon, x, y), order(x, y) + 1);
    }
  }
  EXPECT_NE(Entry(icon, 255), 0u);
  EXPECT_LT(Entry(icon, 255), 41u);
  EXPECT_EQ(Write(pixel), icon);  // the same picture gives the same bytes
}

TEST_F(IcoWriterTest, MergedEntryIsTheChannelMeanRoundedDown) {
  // 254 colours fill entries 1 to 254; then the one pixel 0x000003, nearer to entry 255's
  // 0 than to any of them, is merged into entry 255 as 0x000001; the rest repeat a colour.
  const auto pixel = [](int x, int y) -> std::uint32_t {
    const int order = (31 - y) * 32 + x;
    if (order < 254) return std::uint32_t(order + 1) | 0x8000;
    return order == 254 ? 3 : 1 | 0x8000;
  };
  const Bytes icon = Write(pixel);
  EXPECT_EQ(Entry(icon, 255), 1u);
}

TEST_F(IcoWriterTest, PlanesAndBitCountAreClamped) {
  const auto red = [](int, int) { return 0x0000FFu; };
  const std::tuple<int, int, int, int> cases[] = {{40, -3, 32, 0}, {7, 33, 7, 32}, {0, 0, 0, 0}};
  for (const auto& [planes, bits, writtenPlanes, writtenBits] : cases) {
    const Bytes icon = Write(red, kProgramTransparent, planes, bits);
    EXPECT_EQ(icon[10], writtenPlanes);
    EXPECT_EQ(icon[12], writtenBits);
    EXPECT_EQ(icon[11], 0);
    EXPECT_EQ(icon[13], 0);
  }
}

TEST_F(IcoWriterTest, TransparentColourGetsIndexZeroAndMaskBits) {
  // The left half is green and transparent, the right half blue.
  const auto pixel = [](int x, int) { return x < 16 ? 0x00FF00u : 0xFF0000u; };
  const Bytes icon = Write(pixel, 0x00FF00);
  EXPECT_EQ(Index(icon, 0, 0), 0);
  EXPECT_EQ(Index(icon, 20, 5), 2);
  EXPECT_EQ(Entry(icon, 1), 0x00FF00u);  // it still takes a palette entry
  for (int row = 0; row < 32; ++row) {
    EXPECT_EQ(Bytes(icon.begin() + kMask + 4 * row, icon.begin() + kMask + 4 * row + 4),
              (Bytes{0xFF, 0xFF, 0, 0}));
  }
}

TEST_F(IcoWriterTest, MissingPixelsOfASmallPictureAreWhite) {
  const auto pixel = [](int x, int y) { return x < 16 && y < 16 ? 0x0000FFu : 0xFFFFFFFFu; };
  const Bytes icon = Write(pixel);
  EXPECT_EQ(Entry(icon, Index(icon, 20, 20)), 0xFFFFFFu);
  EXPECT_EQ(Entry(icon, Index(icon, 3, 3)), 0x0000FFu);
  EXPECT_TRUE(std::all_of(icon.begin() + kMask, icon.end(), [](auto b) { return b == 0; }));
}

TEST_F(IcoWriterTest, FileThatCannotBeCreatedWritesNothing) {
  const std::string path = temp / "missing-folder/icon.ico";
  EXPECT_FALSE(IcoWriter(path, kProgramTransparent, 0, 0, [](int, int) { return 0u; }));
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace kadrex

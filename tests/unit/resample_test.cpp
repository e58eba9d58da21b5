#include "platform/image/resample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace kadrex {
namespace {

// Deterministic noise, so that every source pixel differs from its neighbours.
Picture NoisePicture(int width, int height, std::uint32_t seed) {
  Picture picture;
  EXPECT_TRUE(MakeBlackPicture(picture, width, height));
  std::uint32_t state = seed;
  for (std::uint8_t& value : picture.pixels) {
    state = state * 1664525u + 1013904223u;
    value = static_cast<std::uint8_t>(state >> 24);
  }
  return picture;
}

struct Tap {
  int index;
  std::uint64_t weight;
};

// For each of target pixels on one axis, the source pixels under it and their exact
// coverage, scaled by source * target so that everything is an integer: the output pixel
// covers [t * source, (t + 1) * source) and source pixel s covers [s * target, (s + 1) * target).
std::vector<std::vector<Tap>> Coverage(int source, int target) {
  std::vector<std::vector<Tap>> taps(target);
  for (int t = 0; t < target; ++t) {
    const std::int64_t outStart = std::int64_t{t} * source;
    const std::int64_t outEnd = outStart + source;
    for (int s = 0; s < source; ++s) {
      const std::int64_t overlap = std::min(outEnd, std::int64_t{s + 1} * target) -
                                   std::max(outStart, std::int64_t{s} * target);
      if (overlap > 0) taps[t].push_back({s, static_cast<std::uint64_t>(overlap)});
    }
  }
  return taps;
}

// The brute-force resize: the covered area's weighted sum over the output pixel's area
// (source width x source height in these units), rounded half up in integers.
Picture ReferenceResize(const Picture& source, int width, int height) {
  const auto across = Coverage(source.width, width);
  const auto down = Coverage(source.height, height);
  const std::uint64_t area = std::uint64_t(source.width) * std::uint64_t(source.height);
  Picture out;
  EXPECT_TRUE(MakeBlackPicture(out, width, height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < 3; ++c) {
        std::uint64_t sum = 0;
        for (const Tap& row : down[y]) {
          for (const Tap& column : across[x]) {
            sum += row.weight * column.weight * source.Row(row.index)[column.index * 3 + c];
          }
        }
        out.Row(y)[x * 3 + c] = static_cast<std::uint8_t>((2 * sum + area) / (2 * area));
      }
    }
  }
  return out;
}

struct Size {
  int sourceWidth;
  int sourceHeight;
  int width;
  int height;
};

void PrintTo(const Size& s, std::ostream* os) {
  *os << s.sourceWidth << "x" << s.sourceHeight << "->" << s.width << "x" << s.height;
}

class ResizeMatchesReference : public testing::TestWithParam<Size> {};

TEST_P(ResizeMatchesReference, EveryPixel) {
  const Size size = GetParam();
  Picture picture = NoisePicture(size.sourceWidth, size.sourceHeight, 7);
  const Picture expected = ReferenceResize(picture, size.width, size.height);
  ASSERT_TRUE(ResizePicture(picture, size.width, size.height));
  EXPECT_EQ(picture.width, size.width);
  EXPECT_EQ(picture.height, size.height);
  EXPECT_EQ(picture.pixels, expected.pixels);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ResizeMatchesReference,
                         testing::Values(
                             // Integer shrinks.
                             Size{8, 6, 4, 3}, Size{9, 12, 3, 4}, Size{16, 8, 4, 2},
                             // Shrinks by other ratios.
                             Size{7, 7, 3, 3}, Size{640, 480, 320, 240}, Size{1000, 5, 333, 3},
                             Size{41, 29, 40, 28},
                             // Enlargements.
                             Size{2, 2, 5, 5}, Size{3, 3, 7, 7}, Size{640, 480, 2000, 1500},
                             Size{13, 11, 997, 5},
                             // One axis only, and one shrunk while the other grows.
                             Size{10, 7, 10, 3}, Size{10, 7, 4, 7}, Size{10, 3, 4, 7},
                             // Down to a single pixel, a single row or column, prime sizes.
                             Size{5, 4, 1, 1}, Size{1, 9, 1, 4}, Size{9, 1, 4, 1}, Size{1, 3, 1, 8},
                             Size{997, 3, 13, 2}, Size{3, 997, 2, 13}));

// Sums past 32 bits: every output pixel averages 65521 x 263 source pixels.
TEST(Resize, WideSumsMatchReferenceAndKeepWhite) {
  Picture noise = NoisePicture(65521, 263, 11);
  const Picture expected = ReferenceResize(noise, 2, 3);
  ASSERT_TRUE(ResizePicture(noise, 2, 3));
  EXPECT_EQ(noise.pixels, expected.pixels);

  Picture white;
  ASSERT_TRUE(MakeBlackPicture(white, 65521, 263));
  std::fill(white.pixels.begin(), white.pixels.end(), 255);
  ASSERT_TRUE(ResizePicture(white, 2, 3));
  EXPECT_EQ(white.pixels, std::vector<std::uint8_t>(2 * 3 * 3, 255));
}

// An integer shrink is the mean of each block, halves rounded up.
TEST(Resize, IntegerShrinkIsBlockMean) {
  for (int factor : {2, 3, 4}) {
    Picture picture = NoisePicture(5 * factor, 3 * factor, factor);
    const Picture source = picture;
    ASSERT_TRUE(ResizePicture(picture, 5, 3));
    const int area = factor * factor;
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 5; ++x) {
        for (int c = 0; c < 3; ++c) {
          int sum = 0;
          for (int dy = 0; dy < factor; ++dy) {
            for (int dx = 0; dx < factor; ++dx) {
              sum += source.Row(y * factor + dy)[(x * factor + dx) * 3 + c];
            }
          }
          EXPECT_EQ(picture.Row(y)[x * 3 + c], (2 * sum + area) / (2 * area))
              << "factor " << factor << " at " << x << "," << y;
        }
      }
    }
  }
}

// Exact halves round up, over 2 pixels and over 7 x 14 = 98, whose reciprocal is not
// exact in binary.
TEST(Resize, HalvesRoundUp) {
  for (const auto& [width, height] : {std::pair{2, 1}, std::pair{7, 14}}) {
    const int count = width * height;
    Picture picture;
    ASSERT_TRUE(MakeBlackPicture(picture, width, height));
    for (int i = 0; i < count; ++i) {
      picture.pixels[i * 3] = i < count / 2 ? 2 : 1;
      picture.pixels[i * 3 + 1] = i == 0 ? count / 2 : 0;
      picture.pixels[i * 3 + 2] = i < count / 2 ? 201 : 200;
    }
    ASSERT_TRUE(ResizePicture(picture, 1, 1));
    EXPECT_EQ(picture.pixels, (std::vector<std::uint8_t>{2, 1, 201})) << width << "x" << height;
  }
}

TEST(Resize, OnePixelEnlargedIsConstant) {
  Picture picture;
  ASSERT_TRUE(MakeBlackPicture(picture, 1, 1));
  picture.pixels = {17, 128, 255};
  ASSERT_TRUE(ResizePicture(picture, 7, 5));
  for (int i = 0; i < 7 * 5; ++i) {
    EXPECT_EQ(picture.pixels[i * 3], 17);
    EXPECT_EQ(picture.pixels[i * 3 + 1], 128);
    EXPECT_EQ(picture.pixels[i * 3 + 2], 255);
  }
}

TEST(Resize, RefusedSizesLeaveThePicture) {
  const std::pair<int, int> refused[] = {{0, 5},     {5, 0},     {-1, 5},       {5, -1},
                                         {65536, 1}, {1, 65536}, {20000, 20000}};
  for (const auto& [width, height] : refused) {
    Picture picture = NoisePicture(4, 3, 1);
    const Picture before = picture;
    EXPECT_FALSE(ResizeAllowed(width, height)) << width << "x" << height;
    EXPECT_FALSE(ResizePicture(picture, width, height)) << width << "x" << height;
    EXPECT_EQ(picture.width, 4);
    EXPECT_EQ(picture.height, 3);
    EXPECT_EQ(picture.pixels, before.pixels);
  }
  Picture empty;
  EXPECT_FALSE(ResizePicture(empty, 3, 3));
  EXPECT_TRUE(empty.Empty());
}

TEST(Resize, SameSizeChangesNothing) {
  Picture picture = NoisePicture(6, 4, 3);
  const Picture before = picture;
  EXPECT_TRUE(ResizePicture(picture, 6, 4));
  EXPECT_EQ(picture.pixels, before.pixels);
}

TEST(AreaResampler, StreamedRowsGiveTheSamePixels) {
  for (const Size& size : {Size{640, 480, 123, 77}, Size{50, 40, 130, 97}}) {
    const Picture source = NoisePicture(size.sourceWidth, size.sourceHeight, 5);
    AreaResampler resampler(size.width, size.height);
    ASSERT_TRUE(resampler.Begin(source.width, source.height));
    for (int y = 0; y < source.height; ++y) resampler.Row(source.Row(y));
    const Picture streamed = std::move(resampler).Result();
    Picture resized = source;
    ASSERT_TRUE(ResizePicture(resized, size.width, size.height));
    EXPECT_EQ(streamed.width, size.width);
    EXPECT_EQ(streamed.height, size.height);
    EXPECT_EQ(streamed.pixels, resized.pixels);
  }
}

TEST(AreaResampler, ResultNeedsExactlyEverySourceRow) {
  const Picture source = NoisePicture(9, 6, 2);
  AreaResampler shortOfRows(4, 4);
  ASSERT_TRUE(shortOfRows.Begin(9, 6));
  for (int y = 0; y < 5; ++y) shortOfRows.Row(source.Row(y));
  EXPECT_TRUE(std::move(shortOfRows).Result().Empty());

  AreaResampler extraRows(4, 4);
  ASSERT_TRUE(extraRows.Begin(9, 6));
  for (int y = 0; y < 6; ++y) extraRows.Row(source.Row(y));
  extraRows.Row(source.Row(0));
  Picture resized = source;
  ASSERT_TRUE(ResizePicture(resized, 4, 4));
  EXPECT_EQ(std::move(extraRows).Result().pixels, resized.pixels);

  AreaResampler neverBegun(4, 4);
  neverBegun.Row(source.Row(0));
  EXPECT_TRUE(std::move(neverBegun).Result().Empty());
}

TEST(AreaResampler, TakesAWholePicture) {
  Picture source = NoisePicture(30, 20, 4);
  Picture resized = source;
  ASSERT_TRUE(ResizePicture(resized, 7, 9));
  AreaResampler resampler(7, 9);
  ASSERT_TRUE(resampler.Take(std::move(source)));
  EXPECT_EQ(std::move(resampler).Result().pixels, resized.pixels);
}

TEST(AreaResampler, BeginRefusesSizesOutsideTheLimits) {
  const Size refused[] = {{0, 5, 3, 3}, {5, 0, 3, 3},  {65536, 1, 3, 3}, {20000, 20000, 3, 3},
                          {5, 5, 0, 3}, {5, 5, 3, -1}, {5, 5, 65536, 1}};
  for (const Size& size : refused) {
    AreaResampler resampler(size.width, size.height);
    EXPECT_FALSE(resampler.Begin(size.sourceWidth, size.sourceHeight));
    EXPECT_TRUE(std::move(resampler).Result().Empty());
  }
}

}  // namespace
}  // namespace kadrex

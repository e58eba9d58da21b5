#include <gtest/gtest.h>

#include <string>

#include "bmp_test_files.h"
#include "codec_test_support.h"
#include "platform/image/decode.h"
#include "platform/image/encode.h"

namespace kadrex {
namespace {

using test::Bytes;
using test::Rgb;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};

Picture Decode(const Bytes& file) { return test::DecodeWith(DecodeBmp, file); }

// Counts what a decoder tells its sink.
class RecordingSink final : public RowSink {
 public:
  explicit RecordingSink(bool accept = true) : accept_(accept) {}
  bool Begin(int width, int height) override {
    ++begins;
    size = {width, height};
    return accept_;
  }
  void Row(const std::uint8_t*) override { ++rows; }
  bool Take(Picture&&) override {
    ++takes;
    return accept_;
  }
  int begins = 0;
  int rows = 0;
  int takes = 0;
  std::pair<int, int> size;

 private:
  bool accept_;
};

// --- Uncompressed depths: 5 x 4, so every depth pads its rows and no row repeats its mirror

struct DepthCase {
  int bitCount;
  bool topDown;
};

class BmpDepth : public testing::TestWithParam<DepthCase> {};

// The stored value of a colour at each depth; 16 bits holds 5 bits a channel and the
// colours used keep every channel 0 or 255, so they come back exactly.
std::uint32_t StoredValue(int bitCount, std::size_t index, const Rgb& c) {
  switch (bitCount) {
    case 16:
      return (c[0] >> 3) << 10 | (c[1] >> 3) << 5 | c[2] >> 3;
    case 24:
      return c[0] << 16 | c[1] << 8 | c[2];
    case 32:
      return 0xAB000000 | c[0] << 16 | c[1] << 8 | c[2];  // the top byte is ignored
    default:
      return index;
  }
}

TEST_P(BmpDepth, DecodesEveryPixel) {
  const auto [bitCount, topDown] = GetParam();
  const std::vector<Rgb> colours =
      bitCount == 1 ? std::vector<Rgb>{kRed, kBlue} : std::vector<Rgb>{kRed, kGreen, kBlue, kWhite};
  constexpr int kWidth = 5;
  constexpr int kHeight = 4;
  std::vector<std::vector<Rgb>> expected(kHeight);
  std::vector<std::vector<std::uint32_t>> stored(kHeight);
  for (int y = 0; y < kHeight; ++y) {
    const int storedRow = topDown ? y : kHeight - 1 - y;
    for (int x = 0; x < kWidth; ++x) {
      const std::size_t index = (x + y) % colours.size();
      expected[y].push_back(colours[index]);
      stored[storedRow].push_back(StoredValue(bitCount, index, colours[index]));
    }
  }
  test::InfoHeader header{.width = kWidth,
                          .height = topDown ? -kHeight : kHeight,
                          .bitCount = static_cast<std::uint16_t>(bitCount)};
  Bytes dib = test::HeaderBytes(header);
  if (bitCount <= 8) test::Append(dib, test::PaletteBytes(colours));

  const Picture picture = Decode(test::BmpFile(dib, test::PackRows(stored, bitCount)));
  EXPECT_EQ(picture.width, kWidth);
  EXPECT_EQ(picture.height, kHeight);
  EXPECT_EQ(picture.pixels, test::RgbRows(expected));
}

INSTANTIATE_TEST_SUITE_P(AllDepths, BmpDepth,
                         testing::Values(DepthCase{1, false}, DepthCase{1, true},
                                         DepthCase{4, false}, DepthCase{4, true},
                                         DepthCase{8, false}, DepthCase{8, true},
                                         DepthCase{16, false}, DepthCase{16, true},
                                         DepthCase{24, false}, DepthCase{24, true},
                                         DepthCase{32, false}, DepthCase{32, true}),
                         [](const auto& info) {
                           return "Bits" + std::to_string(info.param.bitCount) +
                                  (info.param.topDown ? "TopDown" : "BottomUp");
                         });

// --- Bit fields ----------------------------------------------------------------------

constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

struct FieldCase {
  const char* name;
  std::uint16_t bitCount;
  std::uint32_t compression;
  std::array<std::uint32_t, 3> masks;
  std::uint32_t pixel;
  Rgb expected;
};

class BmpBitFields : public testing::TestWithParam<FieldCase> {};

TEST_P(BmpBitFields, ScalesEachFieldToEightBits) {
  const FieldCase& c = GetParam();
  Bytes dib = test::HeaderBytes({.bitCount = c.bitCount, .compression = c.compression});
  if (c.compression == kBitFields) {
    for (std::uint32_t mask : c.masks) test::PutU32(dib, mask);
  }
  const Picture picture = Decode(test::BmpFile(dib, test::PackRows({{c.pixel}}, c.bitCount)));
  EXPECT_EQ(picture.pixels, test::RgbRows({{c.expected}}));
}

INSTANTIATE_TEST_SUITE_P(
    Masks, BmpBitFields,
    testing::Values(
        // 16 and 8: 16/31 of 255 is 131.6, 32/63 is 129.5 and rounds up.
        FieldCase{"Fields565", 16, kBitFields, {0xF800, 0x07E0, 0x001F}, 0x8410, {132, 130, 132}},
        FieldCase{"Rgb16Is555", 16, 0, {}, 0x7C00 | 0x10 << 5, {255, 132, 0}},
        FieldCase{"TenBitFieldsReversed",
                  32,
                  kBitFields,
                  {0x3FF, 0xFFC00, 0x3FF00000},
                  1023 | 512 << 20,
                  {255, 0, 128}},
        FieldCase{"FourBitFields",
                  32,
                  kBitFields,
                  {0xF, 0xF0, 0xF00},
                  0xF | 8 << 4 | 1 << 8,
                  {255, 136, 17}},
        FieldCase{
            "EmptyMaskGivesZero", 32, kBitFields, {0xFF0000, 0, 0xFF}, 0xFFFFFFFF, {255, 0, 255}},
        FieldCase{"Rgb32IsBgrx", 32, 0, {}, 0xAA112233, {0x11, 0x22, 0x33}}),
    [](const auto& info) { return std::string(info.param.name); });

// Where the masks sit: after the 40-byte header (three, or four with alpha), inside
// the V2, V3, V4 and V5 headers. The same 5-6-5 row decodes alike from each.
struct HeaderCase {
  const char* name;
  std::uint32_t size;
  std::uint32_t compression;
};

class BmpHeaderVersion : public testing::TestWithParam<HeaderCase> {};

TEST_P(BmpHeaderVersion, FindsItsMasks) {
  const HeaderCase& c = GetParam();
  constexpr std::array<std::uint32_t, 4> kMasks{0xF800, 0x07E0, 0x001F, 0};
  Bytes dib = test::HeaderBytes(
      {.size = c.size, .width = 4, .bitCount = 16, .compression = c.compression, .masks = kMasks});
  if (c.size == 40) {
    for (int i = 0; i < (c.compression == kAlphaBitFields ? 4 : 3); ++i) {
      test::PutU32(dib, kMasks[i]);
    }
  }
  const Picture picture =
      Decode(test::BmpFile(dib, test::PackRows({{0xF800, 0x07E0, 0x001F, 0xFFFF}}, 16)));
  EXPECT_EQ(picture.pixels, test::RgbRows({{kRed, kGreen, kBlue, kWhite}}));
}

INSTANTIATE_TEST_SUITE_P(Sizes, BmpHeaderVersion,
                         testing::Values(HeaderCase{"Info", 40, kBitFields},
                                         HeaderCase{"InfoAlpha", 40, kAlphaBitFields},
                                         HeaderCase{"V2", 52, kBitFields},
                                         HeaderCase{"V3", 56, kAlphaBitFields},
                                         HeaderCase{"V4", 108, kBitFields},
                                         HeaderCase{"V5", 124, kBitFields}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Headers, palettes, offsets --------------------------------------------------------

TEST(BmpDecode, ReadsTheOs2CoreHeader) {
  // The core header has no colour count: a 4-bit picture has all 16 entries, 3 bytes each.
  std::vector<Rgb> colours;
  for (int i = 0; i < 16; ++i) colours.push_back({std::uint8_t(i * 16), std::uint8_t(i), 7});
  Bytes indexed = test::HeaderBytes({.size = 12, .width = 3, .height = 1, .bitCount = 4});
  test::Append(indexed, test::PaletteBytes(colours, 3));
  EXPECT_EQ(Decode(test::BmpFile(indexed, test::PackRows({{1, 9, 15}}, 4))).pixels,
            test::RgbRows({{colours[1], colours[9], colours[15]}}));

  const Bytes direct = test::HeaderBytes({.size = 12, .width = 1, .height = 2, .bitCount = 24});
  EXPECT_EQ(Decode(test::BmpFile(direct, test::PackRows({{0x0000FF}, {0x00FF00}}, 24))).pixels,
            test::RgbRows({{kGreen}, {kBlue}}));
}

// Indices past the colours the file holds give black: past the colours used, and past
// the entries that fit before the pixels when the table is cut short by the offset.
TEST(BmpDecode, IndexBeyondThePaletteIsBlack) {
  for (std::uint32_t coloursUsed : {2u, 0u}) {
    Bytes dib = test::HeaderBytes({.width = 4, .bitCount = 8, .coloursUsed = coloursUsed});
    test::Append(dib, test::PaletteBytes({kRed, kGreen}));
    const Picture picture = Decode(test::BmpFile(dib, test::PackRows({{0, 1, 2, 255}}, 8)));
    EXPECT_EQ(picture.pixels, test::RgbRows({{kRed, kGreen, kBlack, kBlack}}))
        << "colours used " << coloursUsed;
  }
}

TEST(BmpDecode, PixelsStartAtTheFileOffset) {
  const Bytes dib = test::HeaderBytes({.width = 2});
  const Bytes file = test::BmpFile(dib, test::PackRows({{0xFF0000, 0x0000FF}}, 24), 6);
  EXPECT_EQ(Decode(file).pixels, test::RgbRows({{kRed, kBlue}}));
}

TEST(BmpDecode, TruncatedRowsFailBeforeTheSinkHearsOfThem) {
  const Bytes dib = test::HeaderBytes({.width = 3, .height = 2});
  Bytes file = test::BmpFile(dib, test::PackRows({{1, 2, 3}, {4, 5, 6}}, 24));
  EXPECT_FALSE(Decode(file).Empty());
  file.pop_back();  // a padding byte of the last row
  RecordingSink sink;
  EXPECT_FALSE(DecodeBmp(file, sink));
  EXPECT_EQ(sink.begins, 0);
}

TEST(BmpDecode, UncompressedRowsStreamAndRleHandsOverAWholePicture) {
  const Bytes packed =
      test::BmpFile(test::HeaderBytes({.width = 2, .height = 3}), Bytes(3 * 8, 0x40));
  RecordingSink streamed;
  ASSERT_TRUE(DecodeBmp(packed, streamed));
  EXPECT_EQ(streamed.begins, 1);
  EXPECT_EQ(streamed.size, std::make_pair(2, 3));
  EXPECT_EQ(streamed.rows, 3);
  EXPECT_EQ(streamed.takes, 0);

  Bytes rle = test::HeaderBytes({.width = 2, .height = 3, .bitCount = 8, .compression = 1});
  test::Append(rle, test::PaletteBytes({kRed}));
  RecordingSink whole;
  ASSERT_TRUE(DecodeBmp(test::BmpFile(rle, {0, 1}), whole));
  EXPECT_EQ(whole.takes, 1);
  EXPECT_EQ(whole.begins, 0);

  test::RefusingSink refusing;
  EXPECT_FALSE(DecodeBmp(test::BmpFile(rle, {0, 1}), refusing));
  EXPECT_EQ(refusing.asked, (std::vector<std::pair<int, int>>{{2, 3}}))
      << "asked before the picture is built";
  EXPECT_EQ(refusing.begins + refusing.takes, 0);
}

TEST(BmpDecode, SinkThatRefusesTheSizeStopsTheDecoder) {
  const Bytes file = test::BmpFile(test::HeaderBytes({.width = 1}), Bytes(4, 0));
  RecordingSink refusing(false);
  EXPECT_FALSE(DecodeBmp(file, refusing));
  EXPECT_EQ(refusing.rows, 0);
}

// --- RLE -------------------------------------------------------------------------------

// Palette of the RLE cases: index 0 is white, so that untouched (black) pixels show.
const std::vector<Rgb> kRlePalette{kWhite, kRed, kGreen, kBlue};

struct RleCase {
  const char* name;
  std::uint16_t bitCount;
  int width;
  int height;  // negative for top-down
  Bytes data;
  std::vector<std::string> rows;  // top row first: K black, W R G B palette colours
};

class BmpRle : public testing::TestWithParam<RleCase> {};

TEST_P(BmpRle, DecodesTheRuns) {
  const RleCase& c = GetParam();
  Bytes dib = test::HeaderBytes({.width = c.width,
                                 .height = c.height,
                                 .bitCount = c.bitCount,
                                 .compression = c.bitCount == 8 ? 1u : 2u,
                                 .coloursUsed = 4});
  test::Append(dib, test::PaletteBytes(kRlePalette));
  std::vector<std::vector<Rgb>> expected;
  for (const std::string& row : c.rows) {
    expected.emplace_back();
    for (char letter : row) {
      const auto at = std::string("WRGB").find(letter);
      expected.back().push_back(at == std::string::npos ? kBlack : kRlePalette[at]);
    }
  }
  const Picture picture = Decode(test::BmpFile(dib, c.data));
  EXPECT_EQ(picture.width, c.width);
  EXPECT_EQ(picture.pixels, test::RgbRows(expected));
}

// Escapes: 00 00 end of line, 00 01 end of bitmap, 00 02 dx dy delta, 00 n absolute run.
const Bytes kRle8Sample{
    0, 3, 2, 3, 1, 0, 1, 2, 0, 0,  // line 0: absolute G B R (padded), run of one G
    0, 2, 1, 1,                    // delta right 1, up 1: line 1 stays black
    1, 0, 1, 3, 0, 1,              // line 2 from x 1: W, B, end of bitmap
};

INSTANTIATE_TEST_SUITE_P(
    Cases, BmpRle,
    testing::Values(
        RleCase{"Rle8BottomUp", 8, 4, 3, kRle8Sample, {"KWBK", "KKKK", "GBRG"}},
        RleCase{"Rle8TopDown", 8, 4, -3, kRle8Sample, {"GBRG", "KKKK", "KWBK"}},
        RleCase{"Rle4",
                4,
                5,
                3,
                {
                    5, 0x12, 0,    0,                       // line 0: run alternating R G
                    0, 5,    0x31, 0x23, 0x10, 0,    0, 0,  // line 1: absolute of 5, 3 bytes + pad
                    0, 2,    3,    0,    2,    0x33, 0, 1,  // line 2: delta right 3, run of B
                },
                {"KKKBB", "BRGBR", "RGRGR"}},
        // Runs and deltas that leave the row are clipped, never wrapped; the data may
        // end without an end-of-bitmap code.
        RleCase{"Rle8OverrunsAreClipped",
                8,
                3,
                3,
                {
                    255, 1, 0, 0,              // line 0: 255 R, 3 shown
                    0,   2, 5, 0, 1, 2, 0, 0,  // line 1: delta past the edge, run dropped
                    0,   5, 3, 2, 1, 2, 3, 0,  // line 2: absolute of 5, 3 shown
                },
                {"BGR", "KKK", "RRR"}},
        RleCase{"Rle8DataEndsInAnAbsoluteRun", 8, 3, 2, {2, 1, 0, 4, 2, 2}, {"KKK", "RRK"}},
        RleCase{"Rle4DeltaPastTheTop", 4, 2, 2, {2, 0x11, 0, 2, 0, 9, 2, 0x22}, {"KK", "RR"}},
        RleCase{"Rle8NoData", 8, 2, 1, {}, {"KK"}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Encoder -----------------------------------------------------------------------

Picture Gradient(int width, int height) {
  Picture picture;
  MakeBlackPicture(picture, width, height);
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = (i * 37 + 11) & 0xFF;
  return picture;
}

std::uint32_t FieldAt(const Bytes& file, std::size_t offset, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | file[offset + i];
  return value;
}

TEST(BmpEncode, WritesEveryHeaderField) {
  Bytes file;
  ASSERT_TRUE(EncodeBmp(Gradient(3, 2), file));
  struct Field {
    const char* name;
    std::size_t offset;
    int bytes;
    std::uint32_t value;
  };
  // Rows of 3 x 3 = 9 bytes pad to 12.
  const Field fields[] = {
      {"signature", 0, 2, 'B' | 'M' << 8},
      {"file size", 2, 4, 54 + 24},
      {"reserved", 6, 4, 0},
      {"pixel offset", 10, 4, 54},
      {"header size", 14, 4, 40},
      {"width", 18, 4, 3},
      {"height", 22, 4, 2},
      {"planes", 26, 2, 1},
      {"bit count", 28, 2, 24},
      {"compression", 30, 4, 0},
      {"image size", 34, 4, 24},
      {"x pixels per metre", 38, 4, 0},
      {"y pixels per metre", 42, 4, 0},
      {"colours used", 46, 4, 0},
      {"colours important", 50, 4, 0},
  };
  ASSERT_EQ(file.size(), 78u);
  for (const Field& field : fields) {
    EXPECT_EQ(FieldAt(file, field.offset, field.bytes), field.value) << field.name;
  }
}

TEST(BmpEncode, RowsAreBottomUpBgrPaddedWithZeros) {
  for (int width = 1; width <= 5; ++width) {
    SCOPED_TRACE("width " + std::to_string(width));
    const Picture picture = Gradient(width, 2);
    Bytes file;
    ASSERT_TRUE(EncodeBmp(picture, file));
    const std::size_t rowBytes = (3 * width + 3) / 4 * 4;
    ASSERT_EQ(file.size(), 54 + 2 * rowBytes);
    for (int stored = 0; stored < 2; ++stored) {
      const std::uint8_t* rgb = picture.Row(1 - stored);
      const std::uint8_t* bgr = file.data() + 54 + stored * rowBytes;
      for (int x = 0; x < width; ++x) {
        EXPECT_EQ(bgr[3 * x], rgb[3 * x + 2]);
        EXPECT_EQ(bgr[3 * x + 1], rgb[3 * x + 1]);
        EXPECT_EQ(bgr[3 * x + 2], rgb[3 * x]);
      }
      for (std::size_t pad = 3 * width; pad < rowBytes; ++pad) EXPECT_EQ(bgr[pad], 0) << pad;
    }
    EXPECT_EQ(Decode(file).pixels, picture.pixels);
  }
}

TEST(BmpEncode, RefusesAnEmptyOrInconsistentPicture) {
  Bytes file{1, 2, 3};
  EXPECT_FALSE(EncodeBmp(Picture{}, file));
  EXPECT_TRUE(file.empty());
  Picture shortPixels = Gradient(2, 2);
  shortPixels.pixels.pop_back();
  EXPECT_FALSE(EncodeBmp(shortPixels, file));
  EXPECT_TRUE(file.empty());
}

}  // namespace
}  // namespace kadrex

#include <zlib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "bmp_test_files.h"
#include "platform/image/decode.h"

namespace kadrex {
namespace {

using test::Bytes;
using test::Rgb;
using Rows = std::vector<std::vector<Rgb>>;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};

Picture Decode(const Bytes& file) { return test::DecodeWith(DecodeIco, file); }

Rows Solid(int width, int height, Rgb colour) {
  return Rows(height, std::vector<Rgb>(width, colour));
}

// An icon's BMP image of the colours: a header of twice the height, the full colour
// table of an indexed depth, colour rows bottom-up, then (unless left out) an AND mask
// that marks every pixel see-through. 32-bit pixels carry alpha 0.
Bytes BmpImage(const Rows& rows, int bitCount, bool withMask = true) {
  const int width = static_cast<int>(rows[0].size());
  const int height = static_cast<int>(rows.size());
  std::vector<Rgb> palette;
  std::vector<std::vector<std::uint32_t>> stored;
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    stored.emplace_back();
    for (const Rgb& c : *row) {
      if (bitCount > 8) {
        stored.back().push_back(c[0] << 16 | c[1] << 8 | c[2]);
        continue;
      }
      auto at = std::find(palette.begin(), palette.end(), c);
      if (at == palette.end()) at = palette.insert(palette.end(), c);
      stored.back().push_back(at - palette.begin());
    }
  }
  Bytes image = test::HeaderBytes(
      {.width = width, .height = 2 * height, .bitCount = static_cast<std::uint16_t>(bitCount)});
  if (bitCount <= 8) {
    palette.resize(std::size_t{1} << bitCount, kBlack);
    test::Append(image, test::PaletteBytes(palette));
  }
  test::Append(image, test::PackRows(stored, bitCount));
  if (withMask) {
    test::Append(image,
                 test::PackRows(std::vector(height, std::vector<std::uint32_t>(width, 1)), 1));
  }
  return image;
}

void PutU32Be(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((value >> shift) & 0xFF);
}

// An 8-bit RGB PNG, every row filtered with None.
Bytes PngImage(const Rows& rows) {
  Bytes raw;
  for (const auto& row : rows) {
    raw.push_back(0);
    for (const Rgb& c : row) raw.insert(raw.end(), c.begin(), c.end());
  }
  uLongf packedSize = compressBound(raw.size());
  Bytes packed(packedSize);
  compress2(packed.data(), &packedSize, raw.data(), raw.size(), 9);
  packed.resize(packedSize);

  Bytes out{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  auto chunk = [&out](const char* type, const Bytes& body) {
    PutU32Be(out, body.size());
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    test::Append(out, body);
    PutU32Be(out, crc32(0, out.data() + typeAt, out.size() - typeAt));
  };
  Bytes header;
  PutU32Be(header, rows[0].size());
  PutU32Be(header, rows.size());
  header.insert(header.end(), {8, 2, 0, 0, 0});
  chunk("IHDR", header);
  chunk("IDAT", packed);
  chunk("IEND", {});
  return out;
}

// The directory, then the images in order. The directory's own size bytes say 0 (256
// pixels) unless given: the decoder goes by the images' headers.
Bytes IconFile(const std::vector<Bytes>& images, const std::vector<std::uint8_t>& sides = {}) {
  Bytes out;
  test::PutU16(out, 0);
  test::PutU16(out, 1);
  test::PutU16(out, images.size());
  std::uint32_t offset = 6 + 16 * images.size();
  for (std::size_t i = 0; i < images.size(); ++i) {
    const std::uint8_t side = i < sides.size() ? sides[i] : 0;
    out.insert(out.end(), {side, side, 0, 0});
    test::PutU16(out, 1);
    test::PutU16(out, 32);
    test::PutU32(out, images[i].size());
    test::PutU32(out, offset);
    offset += images[i].size();
  }
  for (const Bytes& image : images) test::Append(out, image);
  return out;
}

class IcoDepth : public testing::TestWithParam<int> {};

TEST_P(IcoDepth, DecodesTheColourBitmap) {
  const int bitCount = GetParam();
  const Rows rows = bitCount == 1 ? Rows{{kRed, kBlue, kRed}, {kBlue, kBlue, kRed}}
                                  : Rows{{kRed, kGreen, kBlue}, {kWhite, kBlack, kRed}};
  const Picture picture = Decode(IconFile({BmpImage(rows, bitCount)}));
  EXPECT_EQ(picture.width, 3);
  EXPECT_EQ(picture.height, 2);
  EXPECT_EQ(picture.pixels, test::RgbRows(rows));
}

INSTANTIATE_TEST_SUITE_P(BmpImages, IcoDepth, testing::Values(1, 4, 8, 24, 32),
                         [](const auto& info) { return "Bits" + std::to_string(info.param); });

TEST(IcoDecode, LargestImageWins) {
  const Picture picture =
      Decode(IconFile({BmpImage(Solid(16, 16, kRed), 32), BmpImage(Solid(32, 32, kGreen), 4),
                       BmpImage(Solid(24, 24, kBlue), 8)}));
  EXPECT_EQ(picture.width, 32);
  EXPECT_EQ(picture.pixels, test::RgbRows(Solid(32, 32, kGreen)));
}

TEST(IcoDecode, DeepestOfEquallyLargeImagesWins) {
  const Picture picture =
      Decode(IconFile({BmpImage(Solid(16, 16, kRed), 4), BmpImage(Solid(16, 16, kGreen), 32),
                       BmpImage(Solid(16, 16, kBlue), 8)}));
  EXPECT_EQ(picture.pixels, test::RgbRows(Solid(16, 16, kGreen)));
}

TEST(IcoDecode, SizesComeFromTheImagesNotTheDirectory) {
  // The directory calls the 8 x 8 image 255 wide and the 16 x 16 one 1 wide.
  const Picture picture = Decode(
      IconFile({BmpImage(Solid(8, 8, kRed), 24), BmpImage(Solid(16, 16, kBlue), 24)}, {255, 1}));
  EXPECT_EQ(picture.width, 16);
  EXPECT_EQ(picture.pixels, test::RgbRows(Solid(16, 16, kBlue)));
}

// No alpha channel is kept, so see-through pixels (AND mask set, alpha 0) keep the
// colour stored for them; an image without its mask decodes the same.
TEST(IcoDecode, ColourIsKeptWhateverTheMaskSays) {
  const Rows rows{{kRed, kGreen}, {kBlue, kWhite}};
  for (int bitCount : {8, 32}) {
    SCOPED_TRACE(bitCount);
    EXPECT_EQ(Decode(IconFile({BmpImage(rows, bitCount)})).pixels, test::RgbRows(rows));
    EXPECT_EQ(Decode(IconFile({BmpImage(rows, bitCount, false)})).pixels, test::RgbRows(rows));
  }
}

TEST(IcoDecode, ImageTooShortForItsColourRowsFails) {
  Bytes image = BmpImage(Solid(4, 4, kRed), 24, false);
  image.pop_back();
  EXPECT_TRUE(Decode(IconFile({image})).Empty());
}

TEST(IcoDecode, EntriesOutsideTheFileAreSkipped) {
  Bytes file = IconFile({BmpImage(Solid(32, 32, kRed), 24), BmpImage(Solid(32, 32, kGreen), 24),
                         BmpImage(Solid(2, 2, kBlue), 24)});
  constexpr std::size_t kOffsetOfEntry0 = 6 + 12;
  constexpr std::size_t kSizeOfEntry1 = 6 + 16 + 8;
  file[kOffsetOfEntry0 + 3] = 0x7F;  // far past the end
  file[kSizeOfEntry1 + 3] = 0x7F;
  EXPECT_EQ(Decode(file).pixels, test::RgbRows(Solid(2, 2, kBlue)));
}

TEST(IcoDecode, DecodesAPngImage) {
  const Rows rows{{kRed, kGreen, kBlue}, {kWhite, kBlack, {10, 20, 30}}};
  const Bytes png = PngImage(rows);
  PictureSink direct;
  if (!DecodePng(png, direct)) GTEST_SKIP() << "DecodePng cannot decode a plain PNG yet";
  const Picture picture = Decode(IconFile({BmpImage(Solid(2, 2, kRed), 32), png}));
  EXPECT_EQ(picture.width, 3);
  EXPECT_EQ(picture.pixels, test::RgbRows(rows));
}

}  // namespace
}  // namespace kadrex

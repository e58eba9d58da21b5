// PNG seeds through libpng: every colour type and depth, interlaced or not, with
// transparency and text chunks.
#include <png.h>

#include <array>
#include <vector>

#include "seeds.h"

namespace kadrex::fuzz {

namespace {

struct PngSeed {
  const char* name;
  int colourType;
  int bitDepth;
  bool interlaced = false;
  bool transparency = false;
};

int Channels(int colourType) {
  switch (colourType) {
    case PNG_COLOR_TYPE_RGB:
      return 3;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
      return 2;
    case PNG_COLOR_TYPE_RGB_ALPHA:
      return 4;
    default:
      return 1;
  }
}

class PngWriteHandle {
 public:
  PngWriteHandle()
      : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)),
        info_(png_ != nullptr ? png_create_info_struct(png_) : nullptr) {}
  ~PngWriteHandle() { png_destroy_write_struct(&png_, &info_); }
  PngWriteHandle(const PngWriteHandle&) = delete;
  PngWriteHandle& operator=(const PngWriteHandle&) = delete;

  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_;
  png_infop info_;
};

void AppendToBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void FlushNothing(png_structp) {}

// Holds no C++ object that the longjmp of a libpng error would skip.
bool WritePng(const PngWriteHandle& handle, const PngSeed& seed, int width, int height,
              png_bytepp rows, Bytes& out) {
  png_structp png = handle.png();
  png_infop info = handle.info();
  if (png == nullptr || info == nullptr || setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &out, AppendToBytes, FlushNothing);
  png_set_IHDR(png, info, width, height, seed.bitDepth, seed.colourType,
               seed.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::array<png_color, 256> palette{};
  for (std::size_t i = 0; i < palette.size(); ++i) {
    palette[i] = {static_cast<png_byte>(i), static_cast<png_byte>(255 - i),
                  static_cast<png_byte>(i * 7)};
  }
  const std::array<png_byte, 4> paletteAlpha{0, 80, 160, 255};
  png_color_16 transparent{};
  transparent.gray = 1;
  transparent.red = 1;
  if (seed.colourType == PNG_COLOR_TYPE_PALETTE) {
    png_set_PLTE(png, info, palette.data(), 1 << seed.bitDepth);
    if (seed.transparency)
      png_set_tRNS(png, info, paletteAlpha.data(), paletteAlpha.size(), nullptr);
  } else if (seed.transparency) {
    png_set_tRNS(png, info, nullptr, 0, &transparent);
  }
  std::array<png_text, 2> text{};
  text[0].compression = PNG_TEXT_COMPRESSION_NONE;
  text[0].key = const_cast<png_charp>("Title");
  text[0].text = const_cast<png_charp>("seed");
  text[1].compression = PNG_TEXT_COMPRESSION_zTXt;
  text[1].key = const_cast<png_charp>("Comment");
  text[1].text = const_cast<png_charp>("a compressed comment of the fuzz seed");
  png_set_text(png, info, text.data(), text.size());
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, info);
  return true;
}

Bytes MakePng(const PngSeed& seed, int width, int height) {
  const std::size_t rowBytes =
      (std::size_t{1} * width * Channels(seed.colourType) * seed.bitDepth + 7) / 8;
  std::vector<png_byte> pixels(rowBytes * height);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<png_byte>(i * 29 + i / 7);
  std::vector<png_bytep> rows(height);
  for (int y = 0; y < height; ++y) rows[y] = pixels.data() + rowBytes * y;
  PngWriteHandle handle;
  Bytes out;
  if (!WritePng(handle, seed, width, height, rows.data(), out)) return {};
  return out;
}

}  // namespace

Bytes SmallPng(int width, int height) {
  return MakePng({"", PNG_COLOR_TYPE_RGB_ALPHA, 8}, width, height);
}

bool WritePngSeeds(const std::filesystem::path& folder) {
  constexpr int kWidth = 9;
  constexpr int kHeight = 7;
  const std::vector<PngSeed> seeds{
      {"grey-1.png", PNG_COLOR_TYPE_GRAY, 1},
      {"grey-2.png", PNG_COLOR_TYPE_GRAY, 2},
      {"grey-4-interlaced.png", PNG_COLOR_TYPE_GRAY, 4, true},
      {"grey-8-transparent.png", PNG_COLOR_TYPE_GRAY, 8, false, true},
      {"grey-16.png", PNG_COLOR_TYPE_GRAY, 16},
      {"grey-alpha-8.png", PNG_COLOR_TYPE_GRAY_ALPHA, 8},
      {"grey-alpha-16-interlaced.png", PNG_COLOR_TYPE_GRAY_ALPHA, 16, true},
      {"rgb-8.png", PNG_COLOR_TYPE_RGB, 8},
      {"rgb-8-interlaced.png", PNG_COLOR_TYPE_RGB, 8, true},
      {"rgb-16-transparent.png", PNG_COLOR_TYPE_RGB, 16, false, true},
      {"rgba-8.png", PNG_COLOR_TYPE_RGB_ALPHA, 8},
      {"rgba-16-interlaced.png", PNG_COLOR_TYPE_RGB_ALPHA, 16, true},
      {"palette-1.png", PNG_COLOR_TYPE_PALETTE, 1},
      {"palette-2-transparent.png", PNG_COLOR_TYPE_PALETTE, 2, false, true},
      {"palette-4-interlaced.png", PNG_COLOR_TYPE_PALETTE, 4, true},
      {"palette-8-transparent.png", PNG_COLOR_TYPE_PALETTE, 8, false, true},
  };
  bool written = true;
  for (const PngSeed& seed : seeds) {
    written = WriteSeed(folder, seed.name, MakePng(seed, kWidth, kHeight)) && written;
  }
  return written;
}

}  // namespace kadrex::fuzz

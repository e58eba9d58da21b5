#include "picture/png_stream.h"

#include <png.h>

#include <csetjmp>
#include <cstddef>

namespace kadrex::tools {

namespace {

// 72 dots per inch, as pixels per metre.
constexpr png_uint_32 kPixelsPerMetre = 2834;

struct PngWriter {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~PngWriter() { png_destroy_write_struct(&png, &info); }
};

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

}  // namespace

bool WritePngStream(const std::vector<std::uint8_t>& rgb, int width, int height,
                    std::vector<std::uint8_t>& out) {
  const std::size_t rowBytes = std::size_t{3} * width;
  if (width <= 0 || height <= 0 || rgb.size() != rowBytes * height) return false;
  out.clear();
  PngWriter writer;
  writer.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (writer.png == nullptr) return false;
  writer.info = png_create_info_struct(writer.png);
  if (writer.info == nullptr || setjmp(png_jmpbuf(writer.png))) return false;

  png_set_write_fn(writer.png, &out, AppendBytes, NoFlush);
  png_set_IHDR(writer.png, writer.info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_pHYs(writer.png, writer.info, kPixelsPerMetre, kPixelsPerMetre, PNG_RESOLUTION_METER);
  png_set_compression_level(writer.png, 9);
  // libpng writes one IDAT per filled zlib buffer: one larger than the raw rows (the
  // filter byte included) plus zlib's worst-case overhead holds the whole stream.
  const std::size_t rawBytes = (rowBytes + 1) * height;
  png_set_compression_buffer_size(writer.png, rawBytes + rawBytes / 1000 + 64);
  png_write_info(writer.png, writer.info);
  for (int y = 0; y < height; ++y) {
    png_write_row(writer.png, rgb.data() + rowBytes * y);
  }
  png_write_end(writer.png, writer.info);
  return true;
}

}  // namespace kadrex::tools

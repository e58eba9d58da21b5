#include <png.h>

#include <new>
#include <vector>

#include "platform/image/encode.h"
#include "platform/image/png_error_trap.h"

namespace kadrex {

namespace {

constexpr int kPngCompressionLevel = 9;

// An exception must not unwind through libpng, so a failed allocation becomes a libpng error.
void AppendToOutput(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  bool appended = true;
  try {
    out->insert(out->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    appended = false;
  }
  if (!appended) png_error(png, "out of memory");
}

void FlushNothing(png_structp) {}

// No C++ object lives in this frame, so the longjmp of an error skips no destructor.
bool WritePng(png_structp png, png_infop info, const Picture& picture,
              std::vector<std::uint8_t>& out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &out, AppendToOutput, FlushNothing);
  png_set_IHDR(png, info, picture.width, picture.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_compression_level(png, kPngCompressionLevel);
  png_write_info(png, info);
  for (int y = 0; y < picture.height; ++y) png_write_row(png, picture.Row(y));
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

bool EncodePng(const Picture& picture, std::vector<std::uint8_t>& out) {
  out.clear();
  if (picture.Empty() || picture.pixels.size() != picture.RowBytes() * picture.height) {
    return false;
  }
  PngWriteHandle handle;
  if (!handle.Valid() || !WritePng(handle.png(), handle.info(), picture, out)) {
    out.clear();
    return false;
  }
  return true;
}

}  // namespace kadrex

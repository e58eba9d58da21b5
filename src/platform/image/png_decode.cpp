#include <png.h>

#include <cstring>
#include <utility>
#include <vector>

#include "platform/image/decode.h"
#include "platform/image/png_error_trap.h"

namespace kadrex {

namespace {

// The bytes libpng has not read yet.
struct UnreadBytes {
  std::span<const std::uint8_t> rest;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* unread = static_cast<UnreadBytes*>(png_get_io_ptr(png));
  if (length > unread->rest.size()) png_error(png, "read past the end of the data");
  std::memcpy(out, unread->rest.data(), length);
  unread->rest = unread->rest.subspan(length);
}

struct PngLayout {
  int width = 0;
  int height = 0;
  bool interlaced = false;
};

// The setjmp functions below hold no C++ object that a longjmp would skip; the handle,
// the buffers and the sink all live in DecodePng.

// Reads up to the first IDAT and sets the transforms that make 8-bit RGB of every
// colour type and depth; false for a broken header or a size the store refuses.
bool ReadHeader(png_structp png, png_infop info, UnreadBytes& unread, PngLayout& layout) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, &unread, ReadFromMemory);
  png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
  // Ancillary chunks other than tRNS are skipped unread: libpng would allocate the length
  // a text or profile chunk declares, and a too-large length is only a warning to it.
  // Nothing here uses them, since the store keeps plain RGB without colour management.
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  if (!PictureSizeAllowed(width, height)) return false;

  const int colourType = png_get_color_type(png, info);
  const int bitDepth = png_get_bit_depth(png, info);
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if ((colourType & PNG_COLOR_MASK_COLOR) == 0) {
    if (bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    png_set_gray_to_rgb(png);
  }
  if (bitDepth == 16) png_set_strip_16(png);
  // The store keeps no transparency. Alpha is cut whatever its source: an alpha
  // channel, or a palette's tRNS, which libpng's palette expansion always turns into
  // alpha. The tRNS of other types is left unexpanded, so it never costs a channel.
  png_set_strip_alpha(png);
  layout.interlaced = png_set_interlace_handling(png) > 1;
  png_read_update_info(png, info);

  layout.width = static_cast<int>(width);
  layout.height = static_cast<int>(height);
  // Guards the row buffers against a combination the transforms above did not cover.
  return png_get_rowbytes(png, info) == std::size_t{width} * 3;
}

bool StreamRows(png_structp png, png_bytep row, int height, RowSink& sink) {
  if (setjmp(png_jmpbuf(png))) return false;
  for (int y = 0; y < height; ++y) {
    png_read_row(png, row, nullptr);
    sink.Row(row);
  }
  return true;
}

bool ReadAllPasses(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  return true;
}

}  // namespace

bool DecodePng(std::span<const std::uint8_t> data, RowSink& sink) {
  PngReadHandle handle;
  if (!handle.Valid()) return false;
  UnreadBytes unread{data};
  PngLayout layout;
  if (!ReadHeader(handle.png(), handle.info(), unread, layout)) return false;

  if (!layout.interlaced) {
    std::vector<std::uint8_t> row(std::size_t{3} * layout.width);
    return sink.Begin(layout.width, layout.height) &&
           StreamRows(handle.png(), row.data(), layout.height, sink);
  }
  // Adam7 completes no row before the last pass, so the whole picture comes first.
  Picture picture;
  if (!sink.Accepts(layout.width, layout.height) ||
      !MakeBlackPicture(picture, layout.width, layout.height)) {
    return false;
  }
  std::vector<png_bytep> rows(layout.height);
  for (int y = 0; y < layout.height; ++y) rows[y] = picture.Row(y);
  return ReadAllPasses(handle.png(), rows.data()) && sink.Take(std::move(picture));
}

}  // namespace kadrex

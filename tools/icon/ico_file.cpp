#include "icon/ico_file.h"

#include <algorithm>

namespace kadrex::tools {

namespace {

constexpr std::uint32_t kDirectoryBytes = 6;
constexpr std::uint32_t kEntryBytes = 16;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint16_t kIconType = 1;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::uint32_t RowBytes(int width, int bitsPerPixel) {
  return (static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

// Black comes first: see-through pixels use it, so that the AND mask alone shows them.
bool MakePalette(const IconImage& image, std::vector<IconColour>& palette) {
  palette.assign(1, IconColour{});
  for (const IconColour& colour : image.pixels) {
    if (std::find(palette.begin(), palette.end(), colour) == palette.end()) {
      palette.push_back(colour);
    }
  }
  const std::size_t capacity = std::size_t{1} << image.bitsPerPixel;
  if (palette.size() > capacity) return false;
  palette.resize(capacity);
  return true;
}

std::uint8_t PaletteIndex(const std::vector<IconColour>& palette, const IconImage& image,
                          std::size_t pixel) {
  if (image.transparent[pixel]) return 0;
  return static_cast<std::uint8_t>(std::find(palette.begin(), palette.end(), image.pixels[pixel]) -
                                   palette.begin());
}

void PutBitmap(const IconImage& image, const std::vector<IconColour>& palette,
               std::vector<std::uint8_t>& out) {
  const int size = image.size;
  const std::uint32_t colourRow = RowBytes(size, image.bitsPerPixel);
  const std::uint32_t maskRow = RowBytes(size, 1);
  Put32(out, kInfoHeaderBytes);
  Put32(out, size);
  Put32(out, 2 * size);  // the colour rows and the mask rows
  Put16(out, 1);
  Put16(out, image.bitsPerPixel);
  Put32(out, 0);
  Put32(out, (colourRow + maskRow) * size);
  for (int unused = 0; unused < 4; ++unused) Put32(out, 0);
  for (const IconColour& colour : palette) {
    out.insert(out.end(), {colour.b, colour.g, colour.r, 0});
  }
  const int pixelsPerByte = 8 / image.bitsPerPixel;
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(colourRow, 0);
    for (int x = 0; x < size; ++x) {
      const int shift = 8 - image.bitsPerPixel * (x % pixelsPerByte + 1);
      row[x / pixelsPerByte] |= PaletteIndex(palette, image, std::size_t(y) * size + x) << shift;
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(maskRow, 0);
    for (int x = 0; x < size; ++x) {
      if (image.transparent[std::size_t(y) * size + x]) row[x / 8] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

}  // namespace

bool WriteIcoFile(const std::vector<IconImage>& images, std::vector<std::uint8_t>& out) {
  out.clear();
  std::vector<std::vector<std::uint8_t>> bitmaps;
  for (const IconImage& image : images) {
    std::vector<IconColour> palette;
    if ((image.bitsPerPixel != 4 && image.bitsPerPixel != 8) || image.size <= 0 ||
        image.size > 255 || !MakePalette(image, palette)) {
      return false;
    }
    PutBitmap(image, palette, bitmaps.emplace_back());
  }
  Put16(out, 0);
  Put16(out, kIconType);
  Put16(out, images.size());
  std::uint32_t offset = kDirectoryBytes + kEntryBytes * images.size();
  for (std::size_t i = 0; i < images.size(); ++i) {
    const IconImage& image = images[i];
    out.push_back(image.size);
    out.push_back(image.size);
    out.push_back(image.bitsPerPixel == 4 ? 16 : 0);  // colour count; 0 stands for 256
    out.push_back(0);
    Put16(out, 1);
    Put16(out, image.bitsPerPixel);
    Put32(out, bitmaps[i].size());
    Put32(out, offset);
    offset += bitmaps[i].size();
  }
  for (const auto& bitmap : bitmaps) out.insert(out.end(), bitmap.begin(), bitmap.end());
  return true;
}

}  // namespace kadrex::tools

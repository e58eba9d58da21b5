#include "output/ico_writer.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/image/file_bytes.h"

namespace kadrex {

namespace {

constexpr int kIconSide = 32;
constexpr int kPaletteSize = 256;
// The last entry that the palette pass fills directly; beyond it colours are merged.
constexpr int kLastFilledEntry = 255;
constexpr std::size_t kIconFileSize = 2238;

// The icon directory, its one entry and the bitmap header; offsets 10 and 12 take the
// planes and bit-count values.
constexpr std::array<std::uint8_t, 62> kIconHeader{
    0,    0,    1, 0, 1,  0,        // reserved, type icon, one image
    32,   32,   0, 0, 0,  0, 0, 0,  // 32 x 32, 256 colours, reserved, planes, bit count
    0xA8, 0x08, 0, 0, 22, 0, 0, 0,  // 2216 bytes of image at offset 22
    40,   0,    0, 0, 32, 0, 0, 0, 64, 0, 0, 0,  // header size, width, colour and mask rows
    1,    0,    8, 0, 0,  0, 0, 0,               // one plane, 8 bits, no compression
    0x80, 0x04, 0, 0,                            // image size 1024 + 128
    0,    0,    0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0};

using Block = std::array<std::int32_t, kIconSide * kIconSide>;

// The block in the file's pixel order: the bottom row first, each row left to right.
Block ReadBlock(const PixelReader& pixel) {
  Block block{};
  std::size_t i = 0;
  for (int y = kIconSide - 1; y >= 0; --y) {
    for (int x = 0; x < kIconSide; ++x) block[i++] = static_cast<std::int32_t>(pixel(x, y));
  }
  return block;
}

std::int64_t Distance(std::int32_t a, std::int32_t b) {
  const std::int64_t difference = std::int64_t{a} - b;
  return difference < 0 ? -difference : difference;
}

int Channel(std::int32_t colour, int shift) { return (colour >> shift) & 0xFF; }

struct Palette {
  std::array<std::int32_t, kPaletteSize> entries{};  // entry 0 stays black
  int usedCount = 1;

  // The first entry from first to usedCount with the smallest distance to colour.
  int Nearest(std::int32_t colour, int first) const {
    int best = first;
    for (int i = first + 1; i <= usedCount; ++i) {
      if (Distance(colour, entries[i]) < Distance(colour, entries[best])) best = i;
    }
    return best;
  }

  void Add(std::int32_t colour) {
    if (entries[Nearest(colour, 0)] == colour) return;
    if (usedCount < kLastFilledEntry) {
      entries[usedCount++] = colour;
      return;
    }
    std::int32_t& merged = entries[Nearest(colour, 1)];
    merged = (Channel(colour, 0) + Channel(merged, 0)) / 2 |
             ((Channel(colour, 8) + Channel(merged, 8)) / 2) << 8 |
             ((Channel(colour, 16) + Channel(merged, 16)) / 2) << 16;
  }
};

}  // namespace

bool IcoWriter(const std::string& fileName, std::int32_t transparentColour,
               std::int32_t planesValue, std::int32_t bitCountValue, const PixelReader& pixel) {
  std::vector<std::uint8_t> out(kIconHeader.begin(), kIconHeader.end());
  out[10] = static_cast<std::uint8_t>(std::clamp(planesValue, 0, 32));
  out[12] = static_cast<std::uint8_t>(std::clamp(bitCountValue, 0, 32));

  const Block block = ReadBlock(pixel);
  Palette palette;
  for (const std::int32_t colour : block) palette.Add(colour);
  for (int i = 0; i < kPaletteSize; ++i) {
    const std::int32_t entry = i <= palette.usedCount ? palette.entries[i] : 0;
    out.insert(out.end(), {static_cast<std::uint8_t>(Channel(entry, 16)),
                           static_cast<std::uint8_t>(Channel(entry, 8)),
                           static_cast<std::uint8_t>(Channel(entry, 0)), 0});
  }
  for (const std::int32_t colour : block) {
    out.push_back(colour == transparentColour ? 0 : palette.Nearest(colour, 0));
  }
  for (std::size_t group = 0; group < block.size(); group += 8) {
    std::uint8_t mask = 0;
    for (int k = 0; k < 8; ++k) {
      if (block[group + k] == transparentColour) mask |= 0x80 >> k;
    }
    out.push_back(mask);
  }
  return out.size() == kIconFileSize && WriteFileBytes(fileName, out);
}

}  // namespace kadrex

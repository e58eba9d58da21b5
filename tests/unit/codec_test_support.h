#pragma once

// Shared pieces of the PNG and JPEG codec tests.

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/image/row_sink.h"

namespace kadrex::test {

// Collects a decoded picture and records how the decoder delivered it: streamed row by
// row, or built whole and handed over with Take.
class DeliveryRecorder final : public RowSink {
 public:
  bool Begin(int width, int height) override {
    ++begins;
    return inner_.Begin(width, height);
  }
  void Row(const std::uint8_t* rgb) override {
    ++rows;
    inner_.Row(rgb);
  }
  bool Take(Picture&& whole) override {
    ++takes;
    return inner_.Take(std::move(whole));
  }
  Picture Result() && { return std::move(inner_).Result(); }

  int begins = 0;
  int rows = 0;
  int takes = 0;

 private:
  PictureSink inner_;
};

// Refuses every picture, counting what the decoder still offers it and recording the
// sizes it is asked whether it would accept.
class RefusingSink final : public RowSink {
 public:
  bool Accepts(int width, int height) const override {
    asked.emplace_back(width, height);
    return false;
  }
  bool Begin(int, int) override {
    ++begins;
    return false;
  }
  void Row(const std::uint8_t*) override { ++rows; }
  bool Take(Picture&&) override {
    ++takes;
    return false;
  }

  int begins = 0;
  int rows = 0;
  int takes = 0;
  mutable std::vector<std::pair<int, int>> asked;
};

// Smooth colour ramps in which no two pixels are alike.
inline Picture RampPicture(int width, int height) {
  Picture picture;
  MakeBlackPicture(picture, width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* pixel = picture.Row(y) + 3 * x;
      pixel[0] = static_cast<std::uint8_t>(20 + 215 * x / width);
      pixel[1] = static_cast<std::uint8_t>(20 + 215 * y / height);
      pixel[2] = static_cast<std::uint8_t>(230 - 100 * (x + y) / (width + height));
    }
  }
  return picture;
}

// Deterministic noise, which compresses badly.
inline Picture NoisePicture(int width, int height) {
  Picture picture;
  MakeBlackPicture(picture, width, height);
  std::uint32_t state = 12345;
  for (std::uint8_t& value : picture.pixels) {
    state = state * 1664525u + 1013904223u;
    value = static_cast<std::uint8_t>(state >> 24);
  }
  return picture;
}

inline bool SamePicture(const Picture& a, const Picture& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

// An Exif APP1 payload whose IFD0 (always written at TIFF offset 8) holds a Make entry
// and then the Orientation entry; any field can be set wrong.
struct ExifBlock {
  bool bigEndian = false;
  std::uint16_t magic = 42;
  std::uint32_t ifd0 = 8;
  std::uint16_t entries = 2;
  std::uint16_t orientationType = 3;  // SHORT
  std::uint32_t orientationCount = 1;
  std::uint16_t orientation = 1;
  std::uint32_t nextIfd = 0;

  std::vector<std::uint8_t> Build() const {
    std::vector<std::uint8_t> out{'E', 'x', 'i', 'f', 0, 0};
    auto put = [&](std::uint32_t value, int bytes) {
      for (int i = 0; i < bytes; ++i) {
        const int shift = 8 * (bigEndian ? bytes - 1 - i : i);
        out.push_back(static_cast<std::uint8_t>(value >> shift));
      }
    };
    out.push_back(bigEndian ? 'M' : 'I');
    out.push_back(bigEndian ? 'M' : 'I');
    put(magic, 2);
    put(ifd0, 4);
    put(entries, 2);
    put(0x010F, 2);  // Make, ASCII, 4 bytes held in the entry
    put(2, 2);
    put(4, 4);
    out.insert(out.end(), {'K', 'd', 'x', 0});
    put(0x0112, 2);
    put(orientationType, 2);
    put(orientationCount, 4);
    put(orientation, 2);
    put(0, 2);
    put(nextIfd, 4);
    return out;
  }
};

}  // namespace kadrex::test

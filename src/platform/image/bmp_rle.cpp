#include "platform/image/bmp_rle.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "platform/image/picture.h"

namespace kadrex {

namespace {

// The second byte of a pair whose count is 0; larger values start an absolute run.
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;
constexpr std::uint8_t kDelta = 2;

// The decoder's position and the picture it paints; pixels outside it are dropped.
class RleCanvas {
 public:
  RleCanvas(const BmpInfo& info, Picture& picture) : info_(info), picture_(picture) {}

  bool Done() const { return line_ >= info_.height; }
  void NextLine() {
    x_ = 0;
    ++line_;
  }
  // Positions stop at the picture's edge, so that no amount of data can make them wrap.
  void Move(int right, int up) {
    x_ = std::min(x_ + right, info_.width);
    line_ = std::min(line_ + up, info_.height);
  }
  // Paints count pixels, the i-th in colour indexOf(i). Only those inside the picture
  // are visited, so a run past the line's end costs one step however long it is.
  template <typename IndexOf>
  void Paint(int count, IndexOf indexOf) {
    const int visible = Done() ? 0 : std::min(count, info_.width - x_);
    if (visible > 0) {
      const int row = info_.topDown ? line_ : info_.height - 1 - line_;
      std::uint8_t* at = picture_.Row(row) + std::size_t{3} * x_;
      for (int i = 0; i < visible; ++i, at += 3) {
        std::copy_n(info_.palette.data() + 3 * indexOf(i), 3, at);
      }
    }
    Move(count, 0);
  }

 private:
  const BmpInfo& info_;
  Picture& picture_;
  int x_ = 0;
  int line_ = 0;  // stored lines count from the first one in the data
};

}  // namespace

bool DecodeBmpRle(const BmpInfo& info, std::span<const std::uint8_t> rle, RowSink& sink) {
  Picture picture;
  if (!sink.Accepts(info.width, info.height) ||
      !MakeBlackPicture(picture, info.width, info.height)) {
    return false;
  }
  const bool fourBits = info.encoding == BmpEncoding::Rle4;
  // Pixel i of a run: a byte each in RLE8; in RLE4 two per byte, the high nibble first.
  auto pixelOf = [fourBits](std::uint8_t byte, int i) -> unsigned {
    return !fourBits ? byte : i % 2 == 0 ? byte >> 4 : byte & 0x0F;
  };

  RleCanvas canvas(info, picture);
  std::size_t at = 0;
  while (!canvas.Done() && at + 2 <= rle.size()) {
    const std::uint8_t count = rle[at];
    const std::uint8_t code = rle[at + 1];
    at += 2;
    if (count > 0) {
      canvas.Paint(count, [&](int i) { return pixelOf(code, i); });
    } else if (code == kEndOfLine) {
      canvas.NextLine();
    } else if (code == kEndOfBitmap) {
      break;
    } else if (code == kDelta) {
      if (at + 2 > rle.size()) break;
      canvas.Move(rle[at], rle[at + 1]);
      at += 2;
    } else {
      // An absolute run of code pixels, its bytes padded to a whole 16-bit word.
      const std::size_t bytes = fourBits ? (code + 1) / 2 : code;
      if (at + bytes > rle.size()) break;
      canvas.Paint(code, [&](int i) { return pixelOf(rle[at + (fourBits ? i / 2 : i)], i); });
      at += bytes + bytes % 2;
    }
  }
  return sink.Take(std::move(picture));
}

}  // namespace kadrex

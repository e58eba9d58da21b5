#pragma once

#include <cstdint>
#include <optional>

#include "platform/image/picture.h"

namespace kadrex {

struct PictureSize {
  int width = 0;
  int height = 0;
};

// Where a decoder puts its rows. Decoders that can deliver rows in order stream them,
// so a batch run can shrink a photo without ever holding it at full size.
class RowSink {
 public:
  virtual ~RowSink() = default;
  // Whether Begin would take a picture of this size. A decoder that must build the whole
  // picture before it can hand it over asks first, so that a refused size costs no memory.
  virtual bool Accepts(int width, int height) const;
  // The upright picture's size, once, before any row; false stops the decoder.
  virtual bool Begin(int width, int height) = 0;
  // One row of width x 3 bytes of RGB; rows arrive top-down, exactly height of them.
  virtual void Row(const std::uint8_t* rgb) = 0;
  // For decoders that had to build the whole picture first.
  virtual bool Take(Picture&& whole);
  // The size the sink resizes every picture to, if it does. A decoder that must turn the
  // stored picture upright can then resize it first and turn the small result: each axis
  // is weighted on its own, so the pixels are the same and the whole picture is never held.
  virtual std::optional<PictureSize> ResizeTarget() const { return std::nullopt; }
};

// Collects the rows into a picture.
class PictureSink final : public RowSink {
 public:
  bool Begin(int width, int height) override;
  void Row(const std::uint8_t* rgb) override;
  bool Take(Picture&& whole) override;
  // The picture once all rows have arrived; empty otherwise.
  Picture Result() &&;

 private:
  Picture picture_;
  int rows_ = 0;
};

}  // namespace kadrex

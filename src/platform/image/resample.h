#pragma once

#include <cstdint>
#include <memory>

#include "platform/image/row_sink.h"

namespace kadrex {

// Area-averaging resize that takes its source one row at a time: each output pixel is
// the coverage-weighted mean of the source area under it, on both axes, for shrinking
// and enlarging, rounded to nearest. The same code serves a resize in place and the
// decode-and-shrink of a batch run, so both give the same pixels.
class AreaResampler final : public RowSink {
 public:
  AreaResampler(int targetWidth, int targetHeight);
  ~AreaResampler() override;
  bool Begin(int width, int height) override;
  void Row(const std::uint8_t* rgb) override;
  std::optional<PictureSize> ResizeTarget() const override;
  // The resized picture once every source row has arrived; empty otherwise.
  Picture Result() &&;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// True when a picture may be resized to width x height.
bool ResizeAllowed(int width, int height);

// Resizes in place; the same size changes nothing; a refused size (0 or less, or over
// the picture limits) leaves the picture as it was and returns false.
bool ResizePicture(Picture& picture, int width, int height);

}  // namespace kadrex

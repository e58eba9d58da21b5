#include "platform/image/row_sink.h"

#include <algorithm>
#include <utility>

namespace kadrex {

bool RowSink::Accepts(int width, int height) const { return PictureSizeAllowed(width, height); }

bool RowSink::Take(Picture&& whole) {
  if (!Begin(whole.width, whole.height)) return false;
  for (int y = 0; y < whole.height; ++y) Row(whole.Row(y));
  return true;
}

bool PictureSink::Begin(int width, int height) {
  rows_ = 0;
  return MakeBlackPicture(picture_, width, height);
}

void PictureSink::Row(const std::uint8_t* rgb) {
  if (rows_ >= picture_.height) return;
  std::copy(rgb, rgb + picture_.RowBytes(), picture_.Row(rows_));
  ++rows_;
}

bool PictureSink::Take(Picture&& whole) {
  if (!PictureSizeAllowed(whole.width, whole.height)) return false;
  picture_ = std::move(whole);
  rows_ = picture_.height;
  return true;
}

Picture PictureSink::Result() && {
  if (picture_.Empty() || rows_ != picture_.height) return Picture{};
  return std::move(picture_);
}

}  // namespace kadrex

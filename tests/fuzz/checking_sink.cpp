#include "checking_sink.h"

namespace kadrex::fuzz {

namespace {

// Where the row sums go, so that the compiler keeps every load of a row.
volatile std::uint32_t rowSum = 0;

}  // namespace

bool CheckingSink::Accepts(int width, int height) const {
  return RowSink::Accepts(width, height) && std::int64_t{width} * height <= kMaxFuzzPixels;
}

bool CheckingSink::Begin(int width, int height) {
  Require(!begun_, "Begin is called once");
  begun_ = true;
  accepted_ = Accepts(width, height) && (next_ == nullptr || next_->Begin(width, height));
  width_ = width;
  height_ = height;
  return accepted_;
}

void CheckingSink::Row(const std::uint8_t* rgb) {
  Require(accepted_, "rows come only after an accepted Begin");
  Require(rows_ < height_, "no more rows than the height");
  std::uint32_t sum = 0;
  for (int i = 0; i < 3 * width_; ++i) sum += rgb[i];
  rowSum = sum;
  ++rows_;
  if (next_ != nullptr) next_->Row(rgb);
}

void CheckingSink::CheckFinished(bool decoded) const {
  if (!decoded) return;
  Require(accepted_, "a decoder that succeeds has had its size accepted");
  Require(rows_ == height_, "a decoder that succeeds delivers every row");
}

}  // namespace kadrex::fuzz

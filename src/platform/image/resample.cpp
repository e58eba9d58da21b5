#include "platform/image/resample.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numeric>
#include <utility>
#include <vector>

namespace kadrex {

namespace {

constexpr int kChannels = 3;
constexpr std::uint64_t kLargestChannelValue = 255;

// The overlaps of one axis. With g = gcd(source, target), a source pixel is target/g
// units long and an output pixel source/g units, so every overlap is a whole number,
// at most 65535 (it fits 16 bits), and the weights of one output pixel add up to source/g.
struct AxisWeights {
  std::vector<std::uint32_t> first;   // the first source pixel under each output pixel
  std::vector<std::uint32_t> offset;  // where each output pixel's weights start; one extra
  std::vector<std::uint16_t> weights;
  std::uint32_t total = 0;  // the sum of one output pixel's weights

  std::uint32_t Count(std::size_t output) const { return offset[output + 1] - offset[output]; }
  std::uint32_t Last(std::size_t output) const { return first[output] + Count(output) - 1; }
};

AxisWeights MakeAxisWeights(int source, int target) {
  const std::uint64_t common = std::gcd(source, target);
  const std::uint64_t sourceLength = target / common;
  const std::uint64_t targetLength = source / common;
  AxisWeights axis;
  axis.total = static_cast<std::uint32_t>(targetLength);
  axis.first.reserve(target);
  axis.offset.reserve(static_cast<std::size_t>(target) + 1);
  axis.weights.reserve(static_cast<std::size_t>(source) + target);
  axis.offset.push_back(0);
  for (std::uint64_t output = 0; output < static_cast<std::uint64_t>(target); ++output) {
    const std::uint64_t start = output * targetLength;
    const std::uint64_t end = start + targetLength;
    std::uint64_t pixel = start / sourceLength;
    axis.first.push_back(static_cast<std::uint32_t>(pixel));
    for (; pixel * sourceLength < end; ++pixel) {
      const std::uint64_t overlap =
          std::min((pixel + 1) * sourceLength, end) - std::max(pixel * sourceLength, start);
      axis.weights.push_back(static_cast<std::uint16_t>(overlap));
    }
    axis.offset.push_back(static_cast<std::uint32_t>(axis.weights.size()));
  }
  return axis;
}

// The vertical pass over a whole row of channel values: plain loops over restrict
// pointers with a 16-bit multiply, so that SSE2 vectorises them. Sum is 16 bits wide when
// an output row's sums fit, which halves the memory the loop goes through.
template <typename Sum>
void SetWeighted(Sum* __restrict sums, const std::uint8_t* __restrict row, std::size_t count,
                 std::uint16_t weight) {
  for (std::size_t i = 0; i < count; ++i) {
    sums[i] = static_cast<Sum>(std::uint16_t{row[i]} * weight);
  }
}

template <typename Sum>
void AddWeighted(Sum* __restrict sums, const std::uint8_t* __restrict row, std::size_t count,
                 std::uint16_t weight) {
  for (std::size_t i = 0; i < count; ++i) {
    sums[i] += static_cast<Sum>(std::uint16_t{row[i]} * weight);
  }
}

// Rounds sum / divisor to nearest, halves up. Exact in double: sum < 2^53, divisor < 2^32,
// and a quotient that is not a half lies at least 1 / (2 * divisor) from one, far more
// than the division's rounding error; an exact half divides exactly.
std::uint8_t RoundedQuotient(std::uint64_t sum, double divisor) {
  return static_cast<std::uint8_t>(static_cast<double>(static_cast<std::int64_t>(sum)) / divisor +
                                   0.5);
}

// The horizontal pass: one output row from the vertical sums of one output row. Total is
// 32 bits wide when the largest weighted sum fits, which keeps the loop cheaper.
template <typename Total, typename Sum>
void FinishRow(const Sum* __restrict sums, const AxisWeights& across, double divisor,
               std::uint8_t* __restrict out, std::size_t width) {
  const std::uint32_t* __restrict first = across.first.data();
  const std::uint32_t* __restrict offset = across.offset.data();
  const std::uint16_t* __restrict weights = across.weights.data();
  for (std::size_t x = 0; x < width; ++x) {
    const Sum* source = sums + std::size_t{first[x]} * kChannels;
    Total red = 0;
    Total green = 0;
    Total blue = 0;
    for (std::uint32_t k = offset[x]; k < offset[x + 1]; ++k) {
      red += Total{weights[k]} * source[0];
      green += Total{weights[k]} * source[1];
      blue += Total{weights[k]} * source[2];
      source += kChannels;
    }
    out[0] = RoundedQuotient(red, divisor);
    out[1] = RoundedQuotient(green, divisor);
    out[2] = RoundedQuotient(blue, divisor);
    out += kChannels;
  }
}

}  // namespace

struct AreaResampler::State {
  int targetWidth = 0;
  int targetHeight = 0;
  int sourceHeight = 0;
  int rowsIn = 0;
  int rowsOut = 0;
  AxisWeights across;
  AxisWeights down;
  double divisor = 1;
  bool wideTotals = false;
  // The vertical sums of the output row being gathered, in one of the two widths: only
  // one row is ever open, since output rows are disjoint and arrive in order.
  std::vector<std::uint16_t> narrowSums;
  std::vector<std::uint32_t> sums;
  Picture result;

  template <typename Sum>
  void Gather(std::vector<Sum>& rowSums, const std::uint8_t* rgb, int y);
  template <typename Sum>
  void FinishOutputRow(const std::vector<Sum>& rowSums);
  // True when output row y takes exactly the source row of the row before it, as most
  // rows of an enlargement do; that row is then copied instead of computed again.
  bool RepeatsPreviousRow(int y) const;
  void CopyPreviousRow();
};

bool AreaResampler::State::RepeatsPreviousRow(int y) const {
  return y > 0 && down.Count(y) == 1 && down.Count(y - 1) == 1 &&
         down.first[y] == down.first[y - 1];
}

void AreaResampler::State::CopyPreviousRow() {
  const std::uint8_t* previous = result.Row(rowsOut - 1);
  std::copy(previous, previous + result.RowBytes(), result.Row(rowsOut));
  ++rowsOut;
}

template <typename Sum>
void AreaResampler::State::FinishOutputRow(const std::vector<Sum>& rowSums) {
  std::uint8_t* out = result.Row(rowsOut);
  if (wideTotals) {
    FinishRow<std::uint64_t>(rowSums.data(), across, divisor, out, targetWidth);
  } else {
    FinishRow<std::uint32_t>(rowSums.data(), across, divisor, out, targetWidth);
  }
  ++rowsOut;
}

// Adds source row y into each output row that it reaches; all but the last of them end here.
template <typename Sum>
void AreaResampler::State::Gather(std::vector<Sum>& rowSums, const std::uint8_t* rgb, int y) {
  const std::uint32_t row = static_cast<std::uint32_t>(y);
  while (rowsOut < targetHeight && down.first[rowsOut] <= row) {
    if (RepeatsPreviousRow(rowsOut)) {
      CopyPreviousRow();
      continue;
    }
    const std::uint32_t first = down.first[rowsOut];
    const std::uint16_t weight = down.weights[down.offset[rowsOut] + (row - first)];
    if (first == row) {
      SetWeighted(rowSums.data(), rgb, rowSums.size(), weight);
    } else {
      AddWeighted(rowSums.data(), rgb, rowSums.size(), weight);
    }
    if (down.Last(rowsOut) != row) break;
    FinishOutputRow(rowSums);
  }
}

AreaResampler::AreaResampler(int targetWidth, int targetHeight)
    : state_(std::make_unique<State>()) {
  state_->targetWidth = targetWidth;
  state_->targetHeight = targetHeight;
}

AreaResampler::~AreaResampler() = default;

std::optional<PictureSize> AreaResampler::ResizeTarget() const {
  return PictureSize{state_->targetWidth, state_->targetHeight};
}

bool AreaResampler::Begin(int width, int height) {
  State& s = *state_;
  s.sourceHeight = 0;
  s.rowsIn = 0;
  s.rowsOut = 0;
  s.narrowSums.clear();
  s.sums.clear();
  if (!PictureSizeAllowed(width, height) ||
      !MakeBlackPicture(s.result, s.targetWidth, s.targetHeight)) {
    return false;
  }
  s.across = MakeAxisWeights(width, s.targetWidth);
  s.down = MakeAxisWeights(height, s.targetHeight);
  const std::uint64_t divisor = std::uint64_t{s.across.total} * s.down.total;
  s.divisor = static_cast<double>(divisor);
  s.wideTotals = divisor * kLargestChannelValue > std::numeric_limits<std::uint32_t>::max();
  const std::size_t rowValues = static_cast<std::size_t>(width) * kChannels;
  if (std::uint64_t{s.down.total} * kLargestChannelValue <=
      std::numeric_limits<std::uint16_t>::max()) {
    s.narrowSums.resize(rowValues);
  } else {
    s.sums.resize(rowValues);
  }
  s.sourceHeight = height;
  return true;
}

void AreaResampler::Row(const std::uint8_t* rgb) {
  State& s = *state_;
  if (s.rowsIn >= s.sourceHeight) return;
  const int y = s.rowsIn++;
  if (s.narrowSums.empty()) {
    s.Gather(s.sums, rgb, y);
  } else {
    s.Gather(s.narrowSums, rgb, y);
  }
}

Picture AreaResampler::Result() && {
  State& s = *state_;
  if (s.sourceHeight == 0 || s.rowsIn != s.sourceHeight || s.rowsOut != s.targetHeight) {
    return Picture{};
  }
  s.sourceHeight = 0;
  return std::move(s.result);
}

bool ResizeAllowed(int width, int height) { return PictureSizeAllowed(width, height); }

bool ResizePicture(Picture& picture, int width, int height) {
  if (!ResizeAllowed(width, height) || picture.Empty()) return false;
  if (picture.width == width && picture.height == height) return true;
  AreaResampler resampler(width, height);
  if (!resampler.Begin(picture.width, picture.height)) return false;
  for (int y = 0; y < picture.height; ++y) resampler.Row(picture.Row(y));
  Picture resized = std::move(resampler).Result();
  if (resized.Empty()) return false;
  picture = std::move(resized);
  return true;
}

}  // namespace kadrex

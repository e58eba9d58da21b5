// The batch run's path on any bytes: the format is detected and the picture decoded
// straight into the resampler, which shrinks (or enlarges) it to a small size.
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

#include "checking_sink.h"
#include "platform/image/decode.h"
#include "platform/image/resample.h"

namespace {

// The output size follows the input's length, so that both directions of the resize and
// sides of 1 are reached without taking bytes away from the picture.
constexpr std::size_t kWidthChoices = 97;
constexpr std::size_t kHeightChoices = 67;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using kadrex::fuzz::Require;
  const std::span<const std::uint8_t> bytes(data, size);
  const int width = static_cast<int>(1 + size % kWidthChoices);
  const int height = static_cast<int>(1 + size / kWidthChoices % kHeightChoices);
  kadrex::AreaResampler resampler(width, height);
  kadrex::fuzz::CheckingSink sink(&resampler);
  const bool decoded = kadrex::DecodePicture(bytes, sink);
  sink.CheckFinished(decoded);
  if (!decoded) return 0;
  Require(kadrex::DetectFormat(bytes) != kadrex::PictureFormat::Unknown,
          "only a recognised format decodes");
  const kadrex::Picture resized = std::move(resampler).Result();
  Require(resized.width == width && resized.height == height &&
              resized.pixels.size() == resized.RowBytes() * height,
          "a decoded picture resizes to the size asked for");
  return 0;
}

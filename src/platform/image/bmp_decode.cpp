#include "platform/image/decode.h"

#include "platform/image/bmp_info.h"
#include "platform/image/bmp_rle.h"
#include "platform/image/bmp_rows.h"
#include "platform/image/byte_fields.h"

namespace kadrex {

namespace {

// 'BM', file size, two reserved words, then the offset of the pixel data.
constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kPixelOffsetAt = 10;

}  // namespace

bool DecodeBmp(std::span<const std::uint8_t> data, RowSink& sink) {
  if (data.size() < kFileHeaderBytes || data[0] != 'B' || data[1] != 'M') return false;
  const std::uint32_t pixelOffset = LoadU32Le(data.data() + kPixelOffsetAt);
  if (pixelOffset < kFileHeaderBytes || pixelOffset > data.size()) return false;
  // The header and its colour table end where the pixels start, whatever they declare.
  BmpInfo info;
  if (!ReadBmpInfo(data.subspan(kFileHeaderBytes, pixelOffset - kFileHeaderBytes), info)) {
    return false;
  }
  const std::span<const std::uint8_t> pixels = data.subspan(pixelOffset);
  if (info.encoding == BmpEncoding::Packed) return StreamBmpRows(info, pixels, sink);
  return DecodeBmpRle(info, pixels, sink);
}

}  // namespace kadrex

#include "platform/image/decode.h"
#include "platform/image/encode.h"
namespace kadrex {
bool DecodeJpeg(std::span<const std::uint8_t>, RowSink&) { return false; }
bool EncodeJpeg(const Picture&, int, std::vector<std::uint8_t>&) { return false; }
}  // namespace kadrex

#include "platform/image/decode.h"
namespace kadrex {
bool DecodeIco(std::span<const std::uint8_t>, RowSink&) { return false; }
}  // namespace kadrex

#include "platform/image/encode.h"
namespace kadrex {
bool EncodeBmp(const Picture&, std::vector<std::uint8_t>&) { return false; }
}  // namespace kadrex

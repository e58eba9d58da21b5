#include "platform/image/resample.h"
namespace kadrex {
struct AreaResampler::State {};
AreaResampler::AreaResampler(int, int) {}
AreaResampler::~AreaResampler() = default;
bool AreaResampler::Begin(int, int) { return false; }
void AreaResampler::Row(const std::uint8_t*) {}
Picture AreaResampler::Result() && { return {}; }
bool ResizeAllowed(int width, int height) { return PictureSizeAllowed(width, height); }
bool ResizePicture(Picture&, int, int) { return false; }
}  // namespace kadrex

#pragma once

#include <cstddef>
#include <cstdint>

namespace kadrex {

// The PNG stream of the picture shown before anything is loaded, generated at build time.
extern const std::uint8_t kBuiltinPicture[];
extern const std::size_t kBuiltinPictureSize;

}  // namespace kadrex

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kadrex::tools {

// C++ source defining kadrex::kBuiltinPicture and kBuiltinPictureSize as the bytes given.
std::string BuiltinPictureSource(const std::vector<std::uint8_t>& png);

}  // namespace kadrex::tools

#pragma once

#include <cstdint>
#include <vector>

namespace kadrex::tools {

// The picture the program shows before anything is loaded: a lake below hills at sunrise,
// printed like a photo with a white border, its name and a camera in the sky.
inline constexpr int kSceneWidth = 300;
inline constexpr int kSceneHeight = 150;

// The scene as RGB rows, top-down, 3 bytes per pixel, smoothed by supersampling.
std::vector<std::uint8_t> RenderScene();

}  // namespace kadrex::tools

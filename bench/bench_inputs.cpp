#include "bench_inputs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <utility>

#include "platform/image/image_store.h"

namespace kadrex::bench {

namespace {

constexpr int kChannels = 3;
constexpr int kPictureNumber = 0;
// Quality value 9 is libjpeg quality 90; the library's default sampling is 2x2 chroma.
constexpr int kCameraQualityValue = 9;

// A sine wave along one axis as a table, so that a pixel costs only look-ups.
std::vector<float> Wave(int length, float radiansPerPixel, float amplitude, float phase) {
  std::vector<float> wave(length);
  for (int i = 0; i < length; ++i) wave[i] = amplitude * std::sin(radiansPerPixel * i + phase);
  return wave;
}

float Cycles(float count, int length) { return 2 * std::numbers::pi_v<float> * count / length; }

// One wave per channel, each with its own phase, so that the colour shifts.
std::array<std::vector<float>, kChannels> ColourWaves(int length, float cycles, float amplitude,
                                                      float phase) {
  std::array<std::vector<float>, kChannels> waves;
  for (int c = 0; c < kChannels; ++c) {
    waves[c] = Wave(length, Cycles(cycles, length), amplitude, phase * (c + 1));
  }
  return waves;
}

class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  // Roughly triangular in [-1, 1], like the sum of two uniform draws.
  float Next() {
    state_ = state_ * 1664525u + 1013904223u;
    const int a = state_ >> 24;
    const int b = (state_ >> 16) & 0xFF;
    return (a + b - 255) / 255.0f;
  }

 private:
  std::uint32_t state_;
};

}  // namespace

const std::vector<InputFile>& BenchInputs() {
  static const std::vector<InputFile> inputs = {
      {"camera-6000x4000.jpg", 6000, 4000, FileFormat::Jpeg, false},
      {"camera-4000x3000.jpg", 4000, 3000, FileFormat::Jpeg, false},
      {"screen-1920x1080.png", 1920, 1080, FileFormat::Png, false},
      {"screen-1920x1080.bmp", 1920, 1080, FileFormat::Bmp, false},
      {"camera-640x480.jpg", 640, 480, FileFormat::Jpeg, true},
  };
  return inputs;
}

Picture PhotoLikePicture(int width, int height, std::uint32_t seed) {
  Picture picture;
  if (!MakeBlackPicture(picture, width, height)) return picture;
  const auto lightAcross = ColourWaves(width, 1.3f, 45, 0.9f);
  const auto lightDown = ColourWaves(height, 0.8f, 40, 1.7f);
  const auto lightDiagonal = ColourWaves(width + height, 4.5f, 18, 2.3f);
  // Where the texture is strong and where the picture is plain, like foliage and sky.
  const std::vector<float> strength = Wave(width, Cycles(2.5f, width), 0.5f, 0.4f);
  // Textures at three scales whose frequencies share no period, so that they never
  // line up into a plain grid.
  constexpr std::array<float, 3> kAcross = {0.23f, 0.071f, 0.61f};
  constexpr std::array<float, 3> kDown = {0.17f, 0.053f, 0.47f};
  constexpr std::array<float, 3> kTexture = {12, 16, 7};
  std::array<std::vector<float>, 3> textureAcross;
  std::array<std::vector<float>, 3> textureDown;
  for (std::size_t k = 0; k < kTexture.size(); ++k) {
    textureAcross[k] = Wave(width, kAcross[k], kTexture[k], 0);
    textureDown[k] = Wave(height, kDown[k], 1, 0);
  }
  // Hard edges, as objects have: a step wherever two slow crossing waves add up past a level.
  const std::vector<float> edgeRising = Wave(width + height, Cycles(9.5f, width + height), 1, 0.6f);
  const std::vector<float> edgeFalling =
      Wave(width + height, Cycles(9.5f, width + height), 1, 1.2f);
  constexpr float kEdgeLevel = 0.7f;
  constexpr float kEdgeStep = 35;
  constexpr float kLumaNoise = 16;
  constexpr float kChromaNoise = 4;
  Noise noise(seed);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* out = picture.Row(y);
    for (int x = 0; x < width; ++x) {
      float texture = 0;
      for (std::size_t k = 0; k < kTexture.size(); ++k) {
        texture += textureAcross[k][x] * textureDown[k][y];
      }
      const bool inside = edgeRising[x + y] + edgeFalling[width - 1 - x + y] > kEdgeLevel;
      const float luma =
          (0.5f + strength[x]) * texture + (inside ? kEdgeStep : 0) + kLumaNoise * noise.Next();
      for (int c = 0; c < kChannels; ++c) {
        const float value = 128 + lightAcross[c][x] + lightDown[c][y] + lightDiagonal[c][x + y] +
                            luma + kChromaNoise * noise.Next();
        *out++ = static_cast<std::uint8_t>(std::clamp(value, 0.0f, 255.0f));
      }
    }
  }
  return picture;
}

bool WriteMissingInputs(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  std::uint32_t seed = 1;
  for (const InputFile& input : BenchInputs()) {
    ++seed;
    const std::string path = folder + "/" + input.name;
    if (std::filesystem::file_size(path, error) > 0 && !error) continue;
    std::printf("making %s\n", path.c_str());
    std::fflush(stdout);
    ImageStore store;
    store.Put(kPictureNumber, PhotoLikePicture(input.width, input.height, seed));
    bool written = false;
    switch (input.format) {
      case FileFormat::Bmp:
        written = store.SaveBmp(kPictureNumber, path);
        break;
      case FileFormat::Jpeg:
        written = store.SaveJpeg(kPictureNumber, path, kCameraQualityValue);
        break;
      case FileFormat::Png:
        written = store.SavePng(kPictureNumber, path);
        break;
    }
    if (!written) return false;
  }
  return true;
}

}  // namespace kadrex::bench

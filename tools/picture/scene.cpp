#include "picture/scene.h"

#include <array>
#include <cmath>
#include <string_view>

#include "picture/bitmap_font.h"
#include "picture/rgb.h"

namespace kadrex::tools {

namespace {

constexpr float kHorizon = 104;
constexpr float kBorder = 5;

constexpr Rgb kSkyTop{44, 92, 170};
constexpr Rgb kSkyMiddle{124, 172, 226};
constexpr Rgb kSkyHorizon{255, 212, 168};
constexpr Rgb kSunCore{255, 246, 206};
constexpr Rgb kSunGlow{255, 226, 160};
constexpr Rgb kFarRidge{96, 106, 158};
constexpr Rgb kHillTop{86, 148, 76};
constexpr Rgb kHillFoot{46, 100, 58};
constexpr Rgb kPine{30, 72, 46};
constexpr Rgb kWater{34, 74, 112};
constexpr Rgb kGlitter{255, 236, 190};
constexpr Rgb kPaper{248, 246, 238};
constexpr Rgb kPaperEdge{196, 192, 182};
constexpr Rgb kInk{255, 255, 255};
constexpr Rgb kShadow{20, 30, 60};
constexpr Rgb kCameraBody{40, 44, 56};
constexpr Rgb kLensRing{200, 204, 214};
constexpr Rgb kLensGlass{30, 60, 110};
constexpr Rgb kFlash{250, 230, 150};

constexpr float kSunX = 236;
constexpr float kSunY = 62;
constexpr float kSunRadius = 14;

constexpr std::string_view kName = "Kadrex";
constexpr int kNameScale = 4;
constexpr int kNameX = 24;
constexpr int kNameY = 20;
constexpr int kShadowOffset = 2;

struct Pine {
  float x;
  float height;
};
constexpr std::array kPines{Pine{30, 17}, Pine{40, 13},  Pine{49, 19},
                            Pine{60, 12}, Pine{266, 15}, Pine{277, 11}};
constexpr float kPineSlope = 0.32f;

float Square(float v) { return v * v; }

float Distance(float x, float y, float cx, float cy) {
  return std::sqrt(Square(x - cx) + Square(y - cy));
}

Rgb SkyColour(float y) {
  const float t = (y - kBorder) / (kHorizon - kBorder);
  return t < 0.6f ? Mix(kSkyTop, kSkyMiddle, t / 0.6f)
                  : Mix(kSkyMiddle, kSkyHorizon, (t - 0.6f) / 0.4f);
}

float FarRidgeTop(float x) {
  return kHorizon - (30 + 9 * std::sin(x * 0.028f + 0.8f) + 5 * std::sin(x * 0.071f + 2.1f) +
                     2 * std::sin(x * 0.17f));
}

float HillTop(float x) {
  return kHorizon - (12 + 7 * std::sin(x * 0.019f + 2.6f) + 3 * std::sin(x * 0.053f + 0.4f));
}

bool InPine(float x, float y) {
  for (const Pine& pine : kPines) {
    const float base = HillTop(pine.x) + 2;
    const float apex = base - pine.height;
    if (y >= apex && y <= base && std::abs(x - pine.x) <= (y - apex) * kPineSlope) return true;
  }
  return false;
}

// Sky, sun, ridge, hills and pines: everything above the water line.
Rgb Land(float x, float y) {
  if (InPine(x, y)) return kPine;
  const float hill = HillTop(x);
  if (y >= hill) return Mix(kHillTop, kHillFoot, (y - hill) / (kHorizon - hill));
  if (y >= FarRidgeTop(x)) return Mix(kFarRidge, SkyColour(y), 0.25f);
  const float sun = Distance(x, y, kSunX, kSunY);
  if (sun <= kSunRadius) return kSunCore;
  return Mix(SkyColour(y), kSunGlow, 0.55f * std::exp(-(sun - kSunRadius) / 22));
}

// The lake mirrors the land, rippled and darkened with depth, with the sun's glitter on it.
Rgb Lake(float x, float y) {
  const float depth = (y - kHorizon) / (kSceneHeight - kBorder - kHorizon);
  const float ripple = 1.2f * std::sin(y * 1.3f) * depth * 2;
  const Rgb mirrored = Mix(Land(x + ripple, 2 * kHorizon - y), kWater, 0.35f + 0.25f * depth);
  const float spread = 6 + 14 * depth;
  const float glitter = std::max(0.0f, 1 - std::abs(x - kSunX) / spread) *
                        std::max(0.0f, std::sin(y * 1.7f + x * 0.2f));
  return Mix(mirrored, kGlitter, 0.6f * glitter);
}

bool NamePixel(float x, float y) {
  return TextPixel(kName, kNameScale, static_cast<int>(std::floor(x)) - kNameX,
                   static_cast<int>(std::floor(y)) - kNameY);
}

struct Box {
  float left, top, right, bottom;
  bool Holds(float x, float y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// A box with its corners rounded off by the radius.
bool InRoundedBox(float x, float y, const Box& box, float radius) {
  const float cx = std::clamp(x, box.left + radius, box.right - radius);
  const float cy = std::clamp(y, box.top + radius, box.bottom - radius);
  return box.Holds(x, y) && Distance(x, y, cx, cy) <= radius;
}

constexpr Box kCameraBodyBox{176, 24, 206, 44};
constexpr Box kViewfinderBox{181, 20, 192, 26};
constexpr Box kFlashBox{199, 27, 203, 29};
constexpr float kLensX = 191, kLensY = 34;
constexpr float kGlassRadius = 4.5f, kRingRadius = 7, kGleamRadius = 1.5f;

// A small camera beside the name; false outside it.
bool Camera(float x, float y, Rgb& colour) {
  const float lens = Distance(x, y, kLensX, kLensY);
  if (Distance(x, y, kLensX - 2, kLensY - 2) <= kGleamRadius) {
    colour = kInk;
  } else if (lens <= kGlassRadius) {
    colour = kLensGlass;
  } else if (lens <= kRingRadius) {
    colour = kLensRing;
  } else if (kFlashBox.Holds(x, y)) {
    colour = kFlash;
  } else if (InRoundedBox(x, y, kCameraBodyBox, 3) || InRoundedBox(x, y, kViewfinderBox, 1.5f)) {
    colour = kCameraBody;
  } else {
    return false;
  }
  return true;
}

Rgb SceneColour(float x, float y) {
  const float inner = kBorder - 1;
  if (x < inner || y < inner || x >= kSceneWidth - inner || y >= kSceneHeight - inner) {
    return kPaper;
  }
  if (x < kBorder || y < kBorder || x >= kSceneWidth - kBorder || y >= kSceneHeight - kBorder) {
    return kPaperEdge;
  }
  if (NamePixel(x, y)) return kInk;
  Rgb colour = y < kHorizon ? Land(x, y) : Lake(x, y);
  if (Camera(x, y, colour)) return colour;
  if (NamePixel(x - kShadowOffset, y - kShadowOffset)) return Mix(colour, kShadow, 0.45f);
  return colour;
}

constexpr int kSamples = 4;

}  // namespace

std::vector<std::uint8_t> RenderScene() {
  std::vector<std::uint8_t> rgb;
  rgb.reserve(std::size_t{kSceneWidth} * kSceneHeight * 3);
  for (int py = 0; py < kSceneHeight; ++py) {
    for (int px = 0; px < kSceneWidth; ++px) {
      Rgb sum;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const Rgb sample = SceneColour(px + (sx + 0.5f) / kSamples, py + (sy + 0.5f) / kSamples);
          sum = {sum.r + sample.r, sum.g + sample.g, sum.b + sample.b};
        }
      }
      constexpr float kCount = kSamples * kSamples;
      rgb.push_back(ToByte(sum.r / kCount));
      rgb.push_back(ToByte(sum.g / kCount));
      rgb.push_back(ToByte(sum.b / kCount));
    }
  }
  return rgb;
}

}  // namespace kadrex::tools

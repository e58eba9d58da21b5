#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image/picture.h"

namespace kadrex::bench {

enum class FileFormat { Bmp, Jpeg, Png };

struct InputFile {
  std::string name;
  int width;
  int height;
  FileFormat format;
  bool enlarged;  // the small photo is enlarged; the others make thumbnails
};

// The benchmark's sources: camera photos, a screen-sized PNG and BMP, a small photo.
const std::vector<InputFile>& BenchInputs();

// A deterministic picture that compresses like a photo: smooth light and colour, a
// texture whose strength varies across the picture, and sensor-like noise.
Picture PhotoLikePicture(int width, int height, std::uint32_t seed);

// Writes each input that folder does not hold yet, JPEGs at quality 90 with 2x2 chroma
// subsampling as cameras write them; false when one could not be written.
bool WriteMissingInputs(const std::string& folder);

}  // namespace kadrex::bench

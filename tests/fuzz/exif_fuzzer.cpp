// The EXIF orientation reader on any TIFF block: the input is what follows "Exif\0\0"
// in an APP1 segment.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/image/exif_orientation.h"
#include "require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> app1{'E', 'x', 'i', 'f', 0, 0};
  app1.insert(app1.end(), data, data + size);
  const int orientation = kadrex::ExifOrientation(app1);
  kadrex::fuzz::Require(orientation >= 1 && orientation <= 8, "an orientation is 1 to 8");
  return 0;
}

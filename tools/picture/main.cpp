// Draws the built-in picture and writes it as a PNG file and as C++ source.
// Usage: kadrex-picture-gen <picture.png> <builtin_picture.cpp>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "picture/png_stream.h"
#include "picture/scene.h"
#include "picture/source_file.h"

namespace {

bool WriteFile(const char* path, const char* data, std::size_t size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(data, static_cast<std::streamsize>(size));
  return static_cast<bool>(file.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <picture.png> <builtin_picture.cpp>\n", argv[0]);
    return 2;
  }
  using namespace kadrex::tools;
  std::vector<std::uint8_t> png;
  if (!WritePngStream(RenderScene(), kSceneWidth, kSceneHeight, png)) {
    std::fprintf(stderr, "%s: libpng could not encode the picture\n", argv[0]);
    return 1;
  }
  const std::string source = BuiltinPictureSource(png);
  if (!WriteFile(argv[1], reinterpret_cast<const char*>(png.data()), png.size()) ||
      !WriteFile(argv[2], source.data(), source.size())) {
    std::fprintf(stderr, "%s: could not write %s or %s\n", argv[0], argv[1], argv[2]);
    return 1;
  }
  return 0;
}

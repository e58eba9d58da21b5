// Draws the program's icon and writes it as an icon file.
// Usage: kadrex-icon-gen <kadrex.ico>
#include <cstdio>
#include <fstream>
#include <vector>

#include "icon/ico_file.h"
#include "icon/icon_art.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <kadrex.ico>\n", argv[0]);
    return 2;
  }
  using namespace kadrex::tools;
  std::vector<IconImage> images;
  for (int size : {32, 16}) {
    for (int bitsPerPixel : {4, 8}) images.push_back(DrawIcon(size, bitsPerPixel));
  }
  std::vector<std::uint8_t> ico;
  if (!WriteIcoFile(images, ico)) {
    std::fprintf(stderr, "%s: the icon has more colours than its images hold\n", argv[0]);
    return 1;
  }
  std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(ico.data()), static_cast<std::streamsize>(ico.size()));
  if (!file.flush()) {
    std::fprintf(stderr, "%s: could not write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}

// kadrex-convert IN W H FORMAT QUALITY OUT: one file of a batch conversion, exactly as
// the converter does it with the image service, so that the benchmark can time it as a
// process of its own.
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/image/image_store.h"

namespace {

constexpr int kWorkingImage = 0;

bool ParseInt(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size();
}

bool Save(const kadrex::ImageStore& store, std::string_view format, int quality,
          const std::string& path) {
  if (format == "bmp") return store.SaveBmp(kWorkingImage, path);
  if (format == "jpg") return store.SaveJpeg(kWorkingImage, path, quality);
  if (format == "png") return store.SavePng(kWorkingImage, path);
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  int width = 0;
  int height = 0;
  int quality = 0;
  if (argc != 7 || !ParseInt(argv[2], width) || !ParseInt(argv[3], height) ||
      !ParseInt(argv[5], quality)) {
    std::fputs("usage: kadrex-convert IN W H bmp|jpg|png QUALITY(0-10) OUT\n", stderr);
    return 2;
  }
  kadrex::ImageStore store;
  if (!store.LoadFileResized(kWorkingImage, argv[1], width, height)) return 1;
  return Save(store, argv[4], quality, argv[6]) ? 0 : 1;
}

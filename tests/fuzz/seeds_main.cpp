// kadrex-fuzz-seeds <folder>: writes the seed corpus, one subfolder per fuzzer.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "seeds.h"

namespace kadrex::fuzz {

bool WriteSeed(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
  std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return !bytes.empty() && static_cast<bool>(out);
}

}  // namespace kadrex::fuzz

namespace {

struct SeedKind {
  const char* folder;
  bool (*write)(const std::filesystem::path&);
};

constexpr SeedKind kKinds[] = {
    {"bmp", kadrex::fuzz::WriteBmpSeeds},       {"ico", kadrex::fuzz::WriteIcoSeeds},
    {"png", kadrex::fuzz::WritePngSeeds},       {"jpeg", kadrex::fuzz::WriteJpegSeeds},
    {"exif", kadrex::fuzz::WriteExifSeeds},     {"hand-off", kadrex::fuzz::WriteHandOffSeeds},
    {"number", kadrex::fuzz::WriteNumberSeeds},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kadrex-fuzz-seeds <folder>\n");
    return 2;
  }
  for (const SeedKind& kind : kKinds) {
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / kind.folder;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !kind.write(folder)) {
      std::fprintf(stderr, "kadrex-fuzz-seeds: could not write the %s seeds\n", kind.folder);
      return 1;
    }
  }
  return 0;
}

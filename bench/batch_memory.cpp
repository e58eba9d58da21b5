// kadrex-batch-memory WORKDIR: the peak resident memory of one batch run that converts
// 20 camera photos (6000 x 4000 JPEG, quality 90) to 320 x 240 in one process, the way
// ConvertFile does: LoadFileResized, then SaveJpeg. Once with photos as stored and once
// with photos that carry an EXIF turn. Each batch runs in a child process of its own,
// so that its peak (VmHWM) holds nothing of the photos' making.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_inputs.h"
#include "platform/image/encode.h"
#include "platform/image/file_bytes.h"
#include "platform/image/image_store.h"

namespace {

constexpr int kPhotos = 20;
constexpr int kPhotoWidth = 6000;
constexpr int kPhotoHeight = 4000;
constexpr int kQualityValue = 9;  // libjpeg quality 90
constexpr int kTargetWidth = 320;
constexpr int kTargetHeight = 240;
constexpr double kMegabyte = 1e6;
constexpr double kKilobyte = 1024.0;  // the unit of /proc/self/status

// An APP1 segment whose Exif block turns the picture 90 degrees clockwise.
const std::vector<std::uint8_t> kTurnSegment{
    0xFF, 0xE1, 0x00, 0x22, 'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0,
    1,    0,    0x12, 0x01, 3,   0,   1,   0,   0, 0, 6,   0,   0,  0, 0, 0, 0, 0};

std::string PhotoPath(const std::filesystem::path& folder, bool turned, int index) {
  return (folder / ((turned ? "turned-" : "photo-") + std::to_string(index) + ".jpg")).string();
}

// A field of /proc/self/status in kB, or -1.
long StatusKilobytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
  }
  return -1;
}

// Each photo as stored, and a copy with the turn segment after its start of image.
bool WritePhotos(const std::filesystem::path& folder) {
  for (int i = 0; i < kPhotos; ++i) {
    const kadrex::Picture photo =
        kadrex::bench::PhotoLikePicture(kPhotoWidth, kPhotoHeight, 1000 + i);
    std::vector<std::uint8_t> jpeg;
    if (!kadrex::EncodeJpeg(photo, kQualityValue, jpeg) ||
        !kadrex::WriteFileBytes(PhotoPath(folder, false, i), jpeg)) {
      return false;
    }
    jpeg.insert(jpeg.begin() + 2, kTurnSegment.begin(), kTurnSegment.end());
    if (!kadrex::WriteFileBytes(PhotoPath(folder, true, i), jpeg)) return false;
  }
  return true;
}

// The batch run; prints its peak and returns false when a photo did not convert.
bool ConvertBatch(const std::filesystem::path& folder, bool turned) {
  const long before = StatusKilobytes("VmRSS");
  kadrex::ImageStore images;
  int converted = 0;
  for (int i = 0; i < kPhotos; ++i) {
    const std::string source = PhotoPath(folder, turned, i);
    converted += images.LoadFileResized(0, source, kTargetWidth, kTargetHeight) &&
                 images.SaveJpeg(0, source + ".small.jpg", kQualityValue);
  }
  const long peak = StatusKilobytes("VmHWM");
  std::printf("%-22s %d of %d photos to %d x %d: peak resident %.1f MB (%.1f MB at the start)\n",
              turned ? "with an EXIF turn:" : "as stored:", converted, kPhotos, kTargetWidth,
              kTargetHeight, peak * kKilobyte / kMegabyte, before * kKilobyte / kMegabyte);
  return converted == kPhotos;
}

// Runs job in a child process; true when it succeeded.
template <typename Job>
bool InChild(Job job) {
  std::fflush(stdout);
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    const bool done = job();
    std::fflush(stdout);
    _exit(done ? 0 : 1);
  }
  int status = 0;
  return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kadrex-batch-memory WORKDIR\n");
    return 2;
  }
  const std::filesystem::path folder = std::filesystem::path(argv[1]) / "batch-memory";
  std::filesystem::create_directories(folder);
  std::printf("one decoded %d x %d picture: %.1f MB\n", kPhotoWidth, kPhotoHeight,
              3.0 * kPhotoWidth * kPhotoHeight / kMegabyte);
  const bool ok = InChild([&] { return WritePhotos(folder); }) &&
                  InChild([&] { return ConvertBatch(folder, false); }) &&
                  InChild([&] { return ConvertBatch(folder, true); });
  std::filesystem::remove_all(folder);
  if (!ok) std::fprintf(stderr, "kadrex-batch-memory: a step failed\n");
  return ok ? 0 : 1;
}

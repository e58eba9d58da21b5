// JPEG seeds through libjpeg: baseline, progressive, arithmetic, restart markers, grey,
// CMYK and YCCK, every sampling, and EXIF orientations; and the raw EXIF blocks.
#include <cstdlib>
#include <string>
#include <vector>

#include "codec_test_support.h"
#include "platform/image/jpeg_error_trap.h"
#include "seeds.h"

namespace kadrex::fuzz {

namespace {

constexpr int kWidth = 21;  // not a whole number of blocks
constexpr int kHeight = 14;
constexpr int kQuality = 90;

struct JpegSeed {
  const char* name;
  J_COLOR_SPACE input = JCS_RGB;
  J_COLOR_SPACE stored = JCS_YCbCr;
  bool progressive = false;
  bool arithmetic = false;
  int restartRows = 0;
  int lumaSampling = 2;  // horizontal and vertical factor of the first component
  int orientation = 0;   // no EXIF block when 0
  bool bigEndianExif = false;
};

int InputComponents(J_COLOR_SPACE space) {
  return space == JCS_GRAYSCALE ? 1 : space == JCS_CMYK ? 4 : 3;
}

class Compressor {
 public:
  Compressor() { cinfo.err = InstallJpegErrorTrap(trap); }
  ~Compressor() {
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
  }
  Compressor(const Compressor&) = delete;
  Compressor& operator=(const Compressor&) = delete;

  jpeg_compress_struct cinfo{};
  JpegErrorTrap trap;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
};

// Holds no C++ object that the longjmp of a libjpeg error would skip.
bool Compress(Compressor& compressor, const JpegSeed& seed, const std::uint8_t* pixels,
              const Bytes& exif) {
  jpeg_compress_struct& cinfo = compressor.cinfo;
  if (setjmp(compressor.trap.jump)) return false;
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, &compressor.buffer, &compressor.size);
  cinfo.image_width = kWidth;
  cinfo.image_height = kHeight;
  cinfo.input_components = InputComponents(seed.input);
  cinfo.in_color_space = seed.input;
  jpeg_set_defaults(&cinfo);
  jpeg_set_colorspace(&cinfo, seed.stored);
  jpeg_set_quality(&cinfo, kQuality, TRUE);
  cinfo.comp_info[0].h_samp_factor = seed.lumaSampling;
  cinfo.comp_info[0].v_samp_factor = seed.lumaSampling;
  cinfo.arith_code = seed.arithmetic ? TRUE : FALSE;
  cinfo.restart_in_rows = seed.restartRows;
  if (seed.progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  if (!exif.empty()) {
    jpeg_write_marker(&cinfo, JPEG_APP0 + 1, exif.data(), static_cast<unsigned>(exif.size()));
  }
  const std::size_t rowBytes = std::size_t{kWidth} * cinfo.input_components;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(pixels + rowBytes * cinfo.next_scanline);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  return true;
}

Bytes MakeJpeg(const JpegSeed& seed) {
  std::vector<std::uint8_t> pixels(std::size_t{kWidth} * kHeight * InputComponents(seed.input));
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = static_cast<std::uint8_t>(i * 13 + i / 41 * 5);
  }
  Bytes exif;
  if (seed.orientation != 0) {
    exif = test::ExifBlock{.bigEndian = seed.bigEndianExif,
                           .orientation = static_cast<std::uint16_t>(seed.orientation)}
               .Build();
  }
  Compressor compressor;
  if (!Compress(compressor, seed, pixels.data(), exif)) return {};
  return Bytes(compressor.buffer, compressor.buffer + compressor.size);
}

}  // namespace

bool WriteJpegSeeds(const std::filesystem::path& folder) {
  const std::vector<JpegSeed> seeds{
      {.name = "baseline-420.jpg"},
      {.name = "baseline-444-restarts.jpg", .restartRows = 1, .lumaSampling = 1},
      {.name = "progressive.jpg", .progressive = true},
      {.name = "arithmetic.jpg", .arithmetic = true},
      {.name = "progressive-arithmetic.jpg", .progressive = true, .arithmetic = true},
      {.name = "grey.jpg", .input = JCS_GRAYSCALE, .stored = JCS_GRAYSCALE, .lumaSampling = 1},
      {.name = "grey-progressive.jpg",
       .input = JCS_GRAYSCALE,
       .stored = JCS_GRAYSCALE,
       .progressive = true,
       .lumaSampling = 1},
      {.name = "rgb-stored.jpg", .stored = JCS_RGB, .lumaSampling = 1},
      {.name = "cmyk.jpg", .input = JCS_CMYK, .stored = JCS_CMYK, .lumaSampling = 1},
      {.name = "ycck-progressive.jpg", .input = JCS_CMYK, .stored = JCS_YCCK, .progressive = true},
      {.name = "exif-orientation-3.jpg", .orientation = 3},
      {.name = "exif-orientation-6.jpg", .orientation = 6, .bigEndianExif = true},
      {.name = "exif-orientation-8-progressive.jpg", .progressive = true, .orientation = 8},
  };
  bool written = true;
  for (const JpegSeed& seed : seeds)
    written = WriteSeed(folder, seed.name, MakeJpeg(seed)) && written;
  return written;
}

bool WriteExifSeeds(const std::filesystem::path& folder) {
  bool written = true;
  for (const bool bigEndian : {false, true}) {
    for (const int orientation : {1, 5, 6, 8}) {
      const Bytes app1 = test::ExifBlock{.bigEndian = bigEndian,
                                         .orientation = static_cast<std::uint16_t>(orientation)}
                             .Build();
      // The fuzzer adds the "Exif\0\0" header itself.
      const Bytes tiff(app1.begin() + 6, app1.end());
      const std::string name = std::string(bigEndian ? "mm-" : "ii-") + std::to_string(orientation);
      written = WriteSeed(folder, name, tiff) && written;
    }
  }
  return written;
}

}  // namespace kadrex::fuzz

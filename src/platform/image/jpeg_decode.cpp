#include <array>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "platform/image/decode.h"
#include "platform/image/exif_orientation.h"
#include "platform/image/jpeg_error_trap.h"
#include "platform/image/picture_orientation.h"
#include "platform/image/resample.h"

namespace kadrex {

namespace {

constexpr int kExifMarker = JPEG_APP0 + 1;
constexpr unsigned kLongestMarker = 0xFFFF;
// A progressive photo has about ten scans. Each scan walks the whole picture again, so
// a crafted file of thousands of nearly empty scans keeps libjpeg busy for long: scans
// are bounded in number, and in scans times pixels, a budget that a thousand scans of
// 12 megapixels use up in a second or two.
constexpr int kMaxScans = 1000;
constexpr std::int64_t kMaxScannedPixels = std::int64_t{kMaxScans} * 12'000'000;
// libjpeg's own memory, above all the coefficients that a progressive file keeps for the
// whole picture, is bounded too: a 500-byte file can claim a frame whose coefficients
// take 1.6 GB. The bound fits a progressive 4:2:0 photo at the pixel limit (3 bytes a
// pixel), or 4:4:4 up to 100 megapixels; past it libjpeg fails for want of a backing store.
constexpr long kMaxWorkingBytes = static_cast<long>(kMaxPicturePixels * 13 / 4);
constexpr int kScanlineBatch = 16;
// Where the scanline rows start: 8 bytes past a 32-byte boundary, 32 bytes apart.
constexpr std::size_t kRowAlignment = 32;
constexpr std::size_t kRowOffset = 8;
constexpr int kInkComponents = 4;
constexpr unsigned kFullInk = 255;

// libjpeg's progress monitor, called before each step of reading the data.
void StopRunawayScans(j_common_ptr cinfo) {
  const auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
  const std::int64_t scans = decompress->input_scan_number;
  const std::int64_t pixels = std::int64_t{decompress->image_width} * decompress->image_height;
  if (scans > kMaxScans || scans * pixels > kMaxScannedPixels) JpegJumpBack(cinfo);
}

class Decompressor {
 public:
  Decompressor() {
    cinfo.err = InstallJpegErrorTrap(trap);
    scanWatch.progress_monitor = StopRunawayScans;
  }
  ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  jpeg_decompress_struct cinfo{};
  JpegErrorTrap trap;
  jpeg_progress_mgr scanWatch{};
};

struct JpegLayout {
  int width = 0;
  int height = 0;
  int components = 0;
  bool invertedInks = false;
  int orientation = kOrientationAsStored;
};

int OrientationOf(jpeg_saved_marker_ptr marker) {
  for (; marker != nullptr; marker = marker->next) {
    const std::span<const std::uint8_t> payload(marker->data, marker->data_length);
    if (marker->marker == kExifMarker && IsExifBlock(payload)) return ExifOrientation(payload);
  }
  return kOrientationAsStored;
}

// Turns a row of CMYK from libjpeg into RGB in place, each pixel read before it is
// overwritten. Adobe writers store the inks inverted (255 = no ink), which is what the
// products below want; other writers store them plain.
void InksToRgb(std::uint8_t* row, int width, bool invertedInks) {
  const unsigned flip = invertedInks ? 0 : kFullInk;
  for (int x = 0; x < width; ++x) {
    const std::uint8_t* ink = row + std::size_t{kInkComponents} * x;
    const unsigned c = ink[0] ^ flip;
    const unsigned m = ink[1] ^ flip;
    const unsigned y = ink[2] ^ flip;
    const unsigned k = ink[3] ^ flip;
    std::uint8_t* rgb = row + std::size_t{3} * x;
    rgb[0] = static_cast<std::uint8_t>((c * k + kFullInk / 2) / kFullInk);
    rgb[1] = static_cast<std::uint8_t>((m * k + kFullInk / 2) / kFullInk);
    rgb[2] = static_cast<std::uint8_t>((y * k + kFullInk / 2) / kFullInk);
  }
}

// The setjmp functions below hold no C++ object that a longjmp would skip; the
// decompressor, the buffers and the sinks all live in DecodeJpeg.

// Reads the markers up to the first scan and fixes the output; false for a broken
// header or a size the store refuses.
bool ReadHeader(Decompressor& decompressor, std::span<const std::uint8_t> data,
                JpegLayout& layout) {
  jpeg_decompress_struct& cinfo = decompressor.cinfo;
  if (setjmp(decompressor.trap.jump)) return false;
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = kMaxWorkingBytes;
  cinfo.progress = &decompressor.scanWatch;
  jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_save_markers(&cinfo, kExifMarker, kLongestMarker);
  jpeg_read_header(&cinfo, TRUE);
  // Four components are CMYK or YCCK; libjpeg hands both over as CMYK.
  cinfo.out_color_space = cinfo.num_components == kInkComponents ? JCS_CMYK : JCS_RGB;
  cinfo.dct_method = JDCT_ISLOW;  // the accurate integer DCT, whatever the build's default
  jpeg_calc_output_dimensions(&cinfo);
  if (!PictureSizeAllowed(cinfo.output_width, cinfo.output_height)) return false;
  layout.width = static_cast<int>(cinfo.output_width);
  layout.height = static_cast<int>(cinfo.output_height);
  layout.components = cinfo.output_components;
  layout.invertedInks = cinfo.saw_Adobe_marker;
  layout.orientation = OrientationOf(cinfo.marker_list);
  return true;
}

// Allocates libjpeg's buffers; a progressive or multi-scan file is read whole here.
bool StartDecompress(Decompressor& decompressor, const JpegLayout& layout) {
  jpeg_decompress_struct& cinfo = decompressor.cinfo;
  if (setjmp(decompressor.trap.jump)) return false;
  jpeg_start_decompress(&cinfo);
  return cinfo.output_components == layout.components;
}

// Hands every scanline to the target as RGB. Data that ends early is not an error:
// libjpeg warns, ends the picture and fills the missing part with grey.
bool ReadScanlines(Decompressor& decompressor, const JpegLayout& layout,
                   std::vector<std::uint8_t>& batch, RowSink& target) {
  jpeg_decompress_struct& cinfo = decompressor.cinfo;
  if (setjmp(decompressor.trap.jump)) return false;
  // libjpeg-turbo writes rows that start on a 32-byte boundary with stores that bypass
  // the cache, and the sink reads each row straight back; so no row starts on one.
  const std::size_t rowBytes = static_cast<std::size_t>(layout.width) * layout.components;
  const std::size_t stride = (rowBytes + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
  batch.resize(kScanlineBatch * stride + kRowAlignment + kRowOffset);
  const auto address = reinterpret_cast<std::uintptr_t>(batch.data());
  std::uint8_t* first =
      batch.data() + (kRowOffset - address % kRowAlignment + kRowAlignment) % kRowAlignment;
  std::array<JSAMPROW, kScanlineBatch> rows{};
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = first + i * stride;
  while (cinfo.output_scanline < cinfo.output_height) {
    const JDIMENSION got = jpeg_read_scanlines(&cinfo, rows.data(), kScanlineBatch);
    // The memory source never suspends, so no rows means libjpeg is stuck.
    if (got == 0) return false;
    for (JDIMENSION i = 0; i < got; ++i) {
      if (layout.components == kInkComponents) {
        InksToRgb(rows[i], layout.width, layout.invertedInks);
      }
      target.Row(rows[i]);
    }
  }
  // Frees libjpeg's picture-sized buffers (a progressive file's coefficients) at once.
  jpeg_abort_decompress(&cinfo);
  return true;
}

// The stored picture's rows gathered by a collecting sink; empty when decoding fails.
template <typename Collector>
Picture Collect(Decompressor& decompressor, const JpegLayout& layout,
                std::vector<std::uint8_t>& batch, Collector& collector) {
  if (!collector.Begin(layout.width, layout.height) ||
      !ReadScanlines(decompressor, layout, batch, collector)) {
    return Picture{};
  }
  return std::move(collector).Result();
}

}  // namespace

bool DecodeJpeg(std::span<const std::uint8_t> data, RowSink& sink) {
  if (data.size() > std::numeric_limits<unsigned long>::max()) return false;
  Decompressor decompressor;
  JpegLayout layout;
  if (!ReadHeader(decompressor, data, layout)) return false;
  // The sink is asked first, so that a size it refuses costs no memory; libjpeg's buffers
  // come before the sink's, so that a file libjpeg cannot decode costs none of those.
  const bool swapped = OrientationSwapsSides(layout.orientation);
  if (!sink.Accepts(swapped ? layout.height : layout.width,
                    swapped ? layout.width : layout.height) ||
      !StartDecompress(decompressor, layout)) {
    return false;
  }
  std::vector<std::uint8_t> batch;
  if (layout.orientation == kOrientationAsStored) {
    return sink.Begin(layout.width, layout.height) &&
           ReadScanlines(decompressor, layout, batch, sink);
  }
  // Turning needs the stored picture whole; for a sink that resizes, only resized to the
  // target with its sides swapped as the turn swaps them.
  Picture stored;
  if (const std::optional<PictureSize> target = sink.ResizeTarget()) {
    AreaResampler resized(swapped ? target->height : target->width,
                          swapped ? target->width : target->height);
    stored = Collect(decompressor, layout, batch, resized);
  } else {
    PictureSink whole;
    stored = Collect(decompressor, layout, batch, whole);
  }
  return !stored.Empty() && StreamUpright(stored, layout.orientation, sink);
}

}  // namespace kadrex

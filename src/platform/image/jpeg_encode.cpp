#include <algorithm>
#include <new>
#include <vector>

#include "platform/image/encode.h"
#include "platform/image/jpeg_error_trap.h"

namespace kadrex {

namespace {

constexpr int kMaxQualityValue = 10;
constexpr int kQualityPerValue = 10;
// libjpeg's lowest quality, which quality value 0 gets.
constexpr int kLowestQuality = 1;
constexpr std::size_t kFirstOutputBytes = 64 * 1024;

// Collects the compressed bytes in the caller's vector, doubling it whenever libjpeg
// has filled it.
struct VectorDestination {
  jpeg_destination_mgr manager;  // first, so that cinfo->dest leads back here
  std::vector<std::uint8_t>* out;
};

VectorDestination& DestinationOf(j_compress_ptr cinfo) {
  return *reinterpret_cast<VectorDestination*>(cinfo->dest);
}

// An exception must not unwind through libjpeg, so a failed allocation becomes a libjpeg error.
void GrowOutput(j_compress_ptr cinfo, std::size_t used, std::size_t size) {
  VectorDestination& destination = DestinationOf(cinfo);
  bool grown = true;
  try {
    destination.out->resize(size);
  } catch (const std::bad_alloc&) {
    grown = false;
  }
  if (!grown) JpegJumpBack(reinterpret_cast<j_common_ptr>(cinfo));
  destination.manager.next_output_byte = destination.out->data() + used;
  destination.manager.free_in_buffer = size - used;
}

void StartOutput(j_compress_ptr cinfo) { GrowOutput(cinfo, 0, kFirstOutputBytes); }

// libjpeg calls this with the whole vector filled.
boolean OutputFull(j_compress_ptr cinfo) {
  const std::size_t used = DestinationOf(cinfo).out->size();
  GrowOutput(cinfo, used, used * 2);
  return TRUE;
}

void FinishOutput(j_compress_ptr cinfo) {
  VectorDestination& destination = DestinationOf(cinfo);
  destination.out->resize(destination.out->size() - destination.manager.free_in_buffer);
}

class Compressor {
 public:
  Compressor() { cinfo.err = InstallJpegErrorTrap(trap); }
  ~Compressor() { jpeg_destroy_compress(&cinfo); }
  Compressor(const Compressor&) = delete;
  Compressor& operator=(const Compressor&) = delete;

  jpeg_compress_struct cinfo{};
  JpegErrorTrap trap;
};

// No C++ object lives in this frame, so the longjmp of an error skips no destructor.
bool Compress(Compressor& compressor, VectorDestination& destination, const Picture& picture,
              int quality) {
  jpeg_compress_struct& cinfo = compressor.cinfo;
  if (setjmp(compressor.trap.jump)) return false;
  jpeg_create_compress(&cinfo);
  cinfo.dest = &destination.manager;
  cinfo.image_width = picture.width;
  cinfo.image_height = picture.height;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  cinfo.dct_method = JDCT_ISLOW;  // the accurate integer DCT, whatever the build's default
  jpeg_set_quality(&cinfo, quality, FALSE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(picture.Row(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  return true;
}

}  // namespace

bool EncodeJpeg(const Picture& picture, int qualityValue, std::vector<std::uint8_t>& out) {
  out.clear();
  if (picture.Empty() || picture.pixels.size() != picture.RowBytes() * picture.height) {
    return false;
  }
  const int quality =
      std::max(kQualityPerValue * std::clamp(qualityValue, 0, kMaxQualityValue), kLowestQuality);
  VectorDestination destination{};
  destination.manager.init_destination = StartOutput;
  destination.manager.empty_output_buffer = OutputFull;
  destination.manager.term_destination = FinishOutput;
  destination.out = &out;
  Compressor compressor;
  if (!Compress(compressor, destination, picture, quality)) {
    out.clear();
    return false;
  }
  return true;
}

}  // namespace kadrex

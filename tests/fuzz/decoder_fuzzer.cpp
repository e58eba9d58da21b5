// One format's decoder on any bytes; KADREX_FUZZ_DECODER names it (DecodeBmp, DecodePng,
// DecodeJpeg or DecodeIco), so that each format gets a fuzzer of its own. With
// KADREX_FUZZ_MEND_PNG_CRCS the chunk checksums of the input are made right first.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "checking_sink.h"
#include "platform/image/decode.h"
#include "png_crc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
#ifdef KADREX_FUZZ_MEND_PNG_CRCS
  kadrex::fuzz::MendPngCrcs(bytes);
#endif
  kadrex::fuzz::CheckingSink sink;
  const bool decoded = kadrex::KADREX_FUZZ_DECODER(std::span<const std::uint8_t>(bytes), sink);
  sink.CheckFinished(decoded);
  return 0;
}

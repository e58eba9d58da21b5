#pragma once

#include <cstdint>
#include <vector>

#include "platform/image/picture.h"

namespace kadrex {

// The program's output encodings. Each returns false (and leaves out empty) for an
// empty picture or an encoder failure.

// 24-bit uncompressed BMP: 54-byte headers, rows bottom-up, padded to 4 bytes.
bool EncodeBmp(const Picture& picture, std::vector<std::uint8_t>& out);
// JFIF with the library defaults and quality 10 x qualityValue (0 to 10; 0 acts as 1),
// baseline not forced.
bool EncodeJpeg(const Picture& picture, int qualityValue, std::vector<std::uint8_t>& out);
// 8-bit RGB, not interlaced, filter None on every row, zlib level 9, IHDR/IDAT/IEND only.
bool EncodePng(const Picture& picture, std::vector<std::uint8_t>& out);

}  // namespace kadrex

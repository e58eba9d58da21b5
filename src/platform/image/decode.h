#pragma once

#include <cstdint>
#include <span>

#include "platform/image/row_sink.h"

namespace kadrex {

enum class PictureFormat { Unknown, Bmp, Png, Jpeg, Ico };

// Recognises a picture by its first bytes only, never by a file name.
PictureFormat DetectFormat(std::span<const std::uint8_t> data);

// Each decoder reads nothing outside data, returns false for anything it cannot
// decode (corrupt, truncated, hostile, too large) and then has given the sink no
// complete picture. They never print, abort or exit.
bool DecodeBmp(std::span<const std::uint8_t> data, RowSink& sink);
bool DecodePng(std::span<const std::uint8_t> data, RowSink& sink);
bool DecodeJpeg(std::span<const std::uint8_t> data, RowSink& sink);
bool DecodeIco(std::span<const std::uint8_t> data, RowSink& sink);

// Detects the format and runs its decoder.
bool DecodePicture(std::span<const std::uint8_t> data, RowSink& sink);

}  // namespace kadrex

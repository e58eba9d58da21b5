#pragma once

#include <cstdint>
#include <span>

#include "platform/image/bmp_info.h"
#include "platform/image/row_sink.h"

namespace kadrex {

// Decodes RLE8 or RLE4 pixel data into a whole picture and hands it to the sink.
// Damaged data is shown as far as it goes, the way a viewer would: pixels that runs
// or deltas put outside the picture are dropped, and data that ends early (or without
// its end-of-bitmap code) leaves the rest of the picture black. False only when the
// picture cannot be made or the sink refuses it.
bool DecodeBmpRle(const BmpInfo& info, std::span<const std::uint8_t> rle, RowSink& sink);

}  // namespace kadrex

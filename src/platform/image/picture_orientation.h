#pragma once

#include "platform/image/picture.h"
#include "platform/image/row_sink.h"

namespace kadrex {

// True for the EXIF orientations 5 to 8, whose upright picture swaps width and height.
bool OrientationSwapsSides(int orientation);

// Hands the upright picture of a stored picture with an EXIF orientation (see
// exif_orientation.h) to the sink row by row, gathering each row through one buffer, so
// that no second whole picture is built; values other than 2 to 8 hand it over as it
// is. False when the sink refuses the size.
bool StreamUpright(const Picture& stored, int orientation, RowSink& sink);

}  // namespace kadrex

#pragma once

#include "platform/image/picture.h"

namespace kadrex {

// True for the EXIF orientations 5 to 8, whose upright picture swaps width and height.
bool OrientationSwapsSides(int orientation);

// The upright picture for a stored picture with an EXIF orientation (see
// exif_orientation.h); built in one pass into a new picture. Values other than 2 to 8
// return the picture as it is.
Picture OrientPicture(const Picture& stored, int orientation);

}  // namespace kadrex

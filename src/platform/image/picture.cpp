#include "platform/image/picture.h"

namespace kadrex {

bool MakeBlackPicture(Picture& picture, int width, int height) {
  picture = Picture{};
  if (!PictureSizeAllowed(width, height)) return false;
  picture.width = width;
  picture.height = height;
  picture.pixels.assign(picture.RowBytes() * height, 0);
  return true;
}

}  // namespace kadrex

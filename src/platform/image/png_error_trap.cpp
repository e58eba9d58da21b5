#include "platform/image/png_error_trap.h"

namespace kadrex {

void PngErrorJumpBack(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void PngWarningIgnore(png_structp, png_const_charp) {}

}  // namespace kadrex

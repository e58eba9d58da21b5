#pragma once

#include <png.h>

namespace kadrex {

// Handlers for png_create_read_struct / png_create_write_struct: an error jumps back to
// the setjmp on png_jmpbuf, a warning is dropped. Neither prints.
[[noreturn]] void PngErrorJumpBack(png_structp png, png_const_charp message);
void PngWarningIgnore(png_structp png, png_const_charp message);

}  // namespace kadrex

#pragma once

#include <png.h>

namespace kadrex {

// Handlers for png_create_read_struct / png_create_write_struct: an error jumps back to
// the setjmp on png_jmpbuf, a warning is dropped. Neither prints.
[[noreturn]] void PngErrorJumpBack(png_structp png, png_const_charp message);
void PngWarningIgnore(png_structp png, png_const_charp message);

// A libpng read or write struct and its info struct, with our handlers, freed together.
template <bool kReading>
class PngHandle {
 public:
  PngHandle()
      : png_(kReading ? png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngErrorJumpBack,
                                               PngWarningIgnore)
                      : png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngErrorJumpBack,
                                                PngWarningIgnore)),
        info_(png_ != nullptr ? png_create_info_struct(png_) : nullptr) {}
  ~PngHandle() {
    if constexpr (kReading) {
      png_destroy_read_struct(&png_, &info_, nullptr);
    } else {
      png_destroy_write_struct(&png_, &info_);
    }
  }
  PngHandle(const PngHandle&) = delete;
  PngHandle& operator=(const PngHandle&) = delete;

  bool Valid() const { return info_ != nullptr; }
  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_;
  png_infop info_;
};

using PngReadHandle = PngHandle<true>;
using PngWriteHandle = PngHandle<false>;

}  // namespace kadrex

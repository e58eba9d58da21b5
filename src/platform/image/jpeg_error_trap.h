#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace kadrex {

// A libjpeg error manager whose errors long-jump to `jump` instead of exiting, and
// which prints nothing. The code that calls libjpeg sets `jump` with setjmp first.
struct JpegErrorTrap {
  jpeg_error_mgr manager;  // first, so that libjpeg's pointer to it leads back here
  std::jmp_buf jump;
};

// Readies the trap; the result goes into cinfo.err before jpeg_create_*.
jpeg_error_mgr* InstallJpegErrorTrap(JpegErrorTrap& trap);

// Fails the libjpeg call in progress, for our own callbacks.
[[noreturn]] void JpegJumpBack(j_common_ptr cinfo);

}  // namespace kadrex

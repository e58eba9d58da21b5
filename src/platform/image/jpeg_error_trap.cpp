#include "platform/image/jpeg_error_trap.h"

namespace kadrex {

namespace {

void PrintNothing(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* InstallJpegErrorTrap(JpegErrorTrap& trap) {
  jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JpegJumpBack;
  trap.manager.output_message = PrintNothing;
  return &trap.manager;
}

void JpegJumpBack(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<JpegErrorTrap*>(cinfo->err)->jump, 1);
}

}  // namespace kadrex

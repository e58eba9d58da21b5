#pragma once

#include "platform/image/picture.h"
#include "platform/win32/windows_api.h"

namespace kadrex::win32 {

// The clipboard's bitmap as a picture. The system offers every bitmap on the clipboard
// as a device-independent bitmap, which the BMP decoder reads once it has a file header.
// False when the clipboard holds no bitmap or one that does not decode.
bool ReadClipboardPicture(HWND owner, Picture& picture);

}  // namespace kadrex::win32

#pragma once

#include "platform/win32/windows_api.h"

namespace kadrex::win32 {

// The registration of one window class of the program, undone when it goes.
class WindowClass {
 public:
  struct Looks {
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HBRUSH background = nullptr;
  };

  WindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, Looks looks);
  WindowClass(const WindowClass&) = delete;
  WindowClass& operator=(const WindowClass&) = delete;
  ~WindowClass();

  const wchar_t* Name() const { return name_; }

 private:
  HINSTANCE instance_;
  const wchar_t* name_;
};

// The brush of a system colour, as a class background takes it.
inline HBRUSH SystemColourBrush(int colour) {
  return reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(colour + 1));
}

}  // namespace kadrex::win32

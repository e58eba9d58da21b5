#pragma once

#include <utility>

#include "platform/win32/windows_api.h"

namespace kadrex::win32 {

// Owns one handle and gives it back once through Release; it moves but never copies.
template <typename Handle, typename Release>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) Release{}(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

struct WindowRelease {
  void operator()(HWND window) const { DestroyWindow(window); }
};
struct MenuRelease {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct GdiObjectRelease {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct KernelHandleRelease {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct FindHandleRelease {
  void operator()(HANDLE handle) const { FindClose(handle); }
};

using UniqueWindow = UniqueHandle<HWND, WindowRelease>;
using UniqueMenu = UniqueHandle<HMENU, MenuRelease>;
using UniqueFont = UniqueHandle<HFONT, GdiObjectRelease>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectRelease>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectRelease>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleRelease>;
using UniqueFindHandle = UniqueHandle<HANDLE, FindHandleRelease>;

// File and find functions report failure as INVALID_HANDLE_VALUE, the owners as null.
inline HANDLE NullIfInvalid(HANDLE handle) {
  return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

// A device context of a window (or of the screen for null) while it is in scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a device context while in scope; the previous one returns.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace kadrex::win32

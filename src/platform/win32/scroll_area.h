#pragma once

#include <memory>

#include "platform/gui.h"
#include "platform/win32/picture_view.h"

namespace kadrex::win32 {

// A child window with scroll bars over an inner area of fixed size, which it centres
// while that is smaller than the visible part. The arrows scroll by the step, the bar's
// empty part by a page, the wheel by the step per notch. Controls inside it are children
// of the inner area. The window belongs to its parent; this object only tracks it.
class ScrollArea {
 public:
  static constexpr const wchar_t* kClassName = L"KadrexScrollArea";
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // The window's handle is null when it could not be made.
  ScrollArea(HINSTANCE instance, HWND parent, int id, Rect place, Size inner, int step);
  ScrollArea(const ScrollArea&) = delete;
  ScrollArea& operator=(const ScrollArea&) = delete;
  ~ScrollArea();

  HWND Handle() const { return window_; }
  HWND Inner() const { return inner_ ? inner_->Handle() : nullptr; }

 private:
  void Layout();
  void Scroll(int bar, int code);
  void ScrollTo(int bar, int position);
  void Wheel(int delta);

  HWND window_ = nullptr;
  Size innerSize_;
  int step_;
  // The inner area is a picture view without a picture.
  std::unique_ptr<PictureView> inner_;
  bool layingOut_ = false;
  int wheelRemainder_ = 0;
};

}  // namespace kadrex::win32

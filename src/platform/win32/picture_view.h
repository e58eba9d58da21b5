#pragma once

#include "platform/gui.h"
#include "platform/image/picture.h"
#include "platform/win32/handles.h"

namespace kadrex::win32 {

// A child window that shows a copy of a picture 1:1 and always has the picture's exact
// size; without a picture it shows only its background. The window belongs to its
// parent; this object only tracks it.
class PictureView {
 public:
  static constexpr const wchar_t* kClassName = L"KadrexPictureView";
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // The window's handle is null when it could not be made.
  PictureView(HINSTANCE instance, HWND parent, int id, Point position, Size size);
  PictureView(const PictureView&) = delete;
  PictureView& operator=(const PictureView&) = delete;
  ~PictureView();

  HWND Handle() const { return window_; }
  void Show(const Picture* picture);
  // From now on the left button's presses and releases and the mouse moves go to mouse
  // alone; it must outlive the view or be replaced.
  void Hook(PreviewMouse& mouse) { mouse_ = &mouse; }

 private:
  void Paint();
  bool PassToHook(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  UniqueBitmap bitmap_;
  PreviewMouse* mouse_ = nullptr;
};

}  // namespace kadrex::win32

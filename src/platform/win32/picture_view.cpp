#include "platform/win32/picture_view.h"

#include <cstdint>

namespace kadrex::win32 {

namespace {

struct DcRelease {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueMemoryDc = UniqueHandle<HDC, DcRelease>;

// A top-down 24-bit DIB section holding the picture; GDI wants its rows in blue, green,
// red order and padded to four bytes.
UniqueBitmap MakeBitmap(const Picture& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr) return {};
  const std::size_t stride = (picture.RowBytes() + 3) & ~static_cast<std::size_t>(3);
  auto* rows = static_cast<std::uint8_t*>(bits);
  for (int y = 0; y < picture.height; ++y) {
    const std::uint8_t* from = picture.Row(y);
    std::uint8_t* to = rows + stride * static_cast<std::size_t>(y);
    for (int x = 0; x < picture.width; ++x, from += 3, to += 3) {
      to[0] = from[2];
      to[1] = from[1];
      to[2] = from[0];
    }
  }
  return bitmap;
}

}  // namespace

PictureView::PictureView(HINSTANCE instance, HWND parent, int id, Point position, Size size) {
  window_ = CreateWindowExW(0, kClassName, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                            position.x, position.y, size.width, size.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (window_ != nullptr)
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

PictureView::~PictureView() {
  if (window_ != nullptr) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
}

void PictureView::Show(const Picture* picture) {
  const bool shown = picture != nullptr && !picture->Empty();
  bitmap_ = shown ? MakeBitmap(*picture) : UniqueBitmap();
  if (window_ == nullptr) return;
  // The picture's size even when GDI had no room for its copy.
  const Size size = shown ? Size{picture->width, picture->height} : Size{};
  SetWindowPos(window_, nullptr, 0, 0, size.width, size.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, TRUE);
}

void PictureView::Paint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window_, &paint);
  if (dc != nullptr && bitmap_) {
    const UniqueMemoryDc memory(CreateCompatibleDC(dc));
    if (memory) {
      const SelectedObject selected(memory.Get(), bitmap_.Get());
      const RECT& area = paint.rcPaint;
      BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory.Get(),
             area.left, area.top, SRCCOPY);
    }
  }
  EndPaint(window_, &paint);
}

bool PictureView::PassToHook(UINT message, WPARAM wParam, LPARAM lParam) {
  if (mouse_ == nullptr) return false;
  // The point's two halves read as unsigned numbers, as the message carries them.
  const Point at{LOWORD(lParam), HIWORD(lParam)};
  switch (message) {
    case WM_LBUTTONDOWN:
      mouse_->LeftButtonDown(at);
      return true;
    case WM_MOUSEMOVE:
      mouse_->MouseMove(at, (wParam & MK_LBUTTON) != 0);
      return true;
    case WM_LBUTTONUP:
      mouse_->LeftButtonUp();
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK PictureView::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* view = reinterpret_cast<PictureView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (view != nullptr) {
    if (message == WM_PAINT) {
      view->Paint();
      return 0;
    }
    if (view->PassToHook(message, wParam, lParam)) return 0;
    // The picture covers the whole window; only an empty view needs its background.
    if (message == WM_ERASEBKGND && view->bitmap_) return TRUE;
    if (message == WM_NCDESTROY) {
      view->window_ = nullptr;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kadrex::win32

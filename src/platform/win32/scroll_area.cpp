#include "platform/win32/scroll_area.h"

namespace kadrex::win32 {

namespace {

// Where the inner area starts along one axis: centred while it fits, else scrolled.
int InnerOrigin(HWND area, int bar, int inner, int visible) {
  if (inner <= visible) return (visible - inner) / 2;
  return -GetScrollPos(area, bar);
}

// A bar whose page is the visible part; it hides itself while the inner area fits.
void SetBarRange(HWND area, int bar, int inner, int visible) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE;
  info.nMin = 0;
  info.nMax = inner > 0 ? inner - 1 : 0;
  info.nPage = visible > 0 ? static_cast<UINT>(visible) : 0;
  SetScrollInfo(area, bar, &info, TRUE);
}

}  // namespace

ScrollArea::ScrollArea(HINSTANCE instance, HWND parent, int id, Rect place, Size inner, int step)
    : innerSize_(inner), step_(step) {
  window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, nullptr,
                            WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN,
                            place.x, place.y, place.width, place.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (window_ == nullptr) return;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  inner_ = std::make_unique<PictureView>(instance, window_, 0, Point{}, inner);
  Layout();
}

ScrollArea::~ScrollArea() {
  inner_.reset();
  if (window_ != nullptr) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
}

void ScrollArea::Layout() {
  if (window_ == nullptr || layingOut_) return;
  layingOut_ = true;
  RECT client{};
  // Showing or hiding one bar changes the room for the other: two rounds settle it.
  for (int round = 0; round < 2; ++round) {
    GetClientRect(window_, &client);
    SetBarRange(window_, SB_HORZ, innerSize_.width, client.right);
    SetBarRange(window_, SB_VERT, innerSize_.height, client.bottom);
  }
  GetClientRect(window_, &client);
  if (Inner() != nullptr) {
    SetWindowPos(Inner(), nullptr, InnerOrigin(window_, SB_HORZ, innerSize_.width, client.right),
                 InnerOrigin(window_, SB_VERT, innerSize_.height, client.bottom), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  layingOut_ = false;
}

void ScrollArea::ScrollTo(int bar, int position) {
  SetScrollPos(window_, bar, position, TRUE);
  Layout();
}

void ScrollArea::Scroll(int bar, int code) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  if (!GetScrollInfo(window_, bar, &info)) return;
  const int page = static_cast<int>(info.nPage);
  switch (code) {
    case SB_LINEUP:
      ScrollTo(bar, info.nPos - step_);
      break;
    case SB_LINEDOWN:
      ScrollTo(bar, info.nPos + step_);
      break;
    case SB_PAGEUP:
      ScrollTo(bar, info.nPos - page);
      break;
    case SB_PAGEDOWN:
      ScrollTo(bar, info.nPos + page);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      ScrollTo(bar, info.nTrackPos);
      break;
    case SB_TOP:
      ScrollTo(bar, info.nMin);
      break;
    case SB_BOTTOM:
      ScrollTo(bar, info.nMax);
      break;
    default:
      break;
  }
}

void ScrollArea::Wheel(int delta) {
  wheelRemainder_ += delta;
  const int notches = wheelRemainder_ / WHEEL_DELTA;
  wheelRemainder_ %= WHEEL_DELTA;
  if (notches != 0) ScrollTo(SB_VERT, GetScrollPos(window_, SB_VERT) - notches * step_);
}

LRESULT CALLBACK ScrollArea::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* area = reinterpret_cast<ScrollArea*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (area != nullptr) {
    switch (message) {
      case WM_SIZE:
        area->Layout();
        return 0;
      case WM_HSCROLL:
      case WM_VSCROLL:
        if (lParam == 0) {
          area->Scroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
          return 0;
        }
        break;
      case WM_MOUSEWHEEL:
        area->Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
      case WM_NCDESTROY:
        area->window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
      default:
        break;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kadrex::win32

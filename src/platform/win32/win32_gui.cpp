#include "platform/win32/win32_gui.h"

#include "platform/win32/text_encoding.h"

namespace kadrex::win32 {

namespace {

constexpr const wchar_t* kWindowClassName = L"KadrexWindow";
// The program's icon in its resources.
constexpr WORD kIconResource = 1;
constexpr int kSmallIconSize = 16;

DWORD FrameStyle(unsigned frame) {
  DWORD style = (frame & kTitleBar) ? WS_OVERLAPPED | WS_CAPTION : WS_POPUP;
  if (frame & kSystemMenu) style |= WS_SYSMENU;
  if (frame & kSizingBorder) style |= WS_THICKFRAME;
  if (frame & kMinimizeBox) style |= WS_MINIMIZEBOX;
  return style;
}

// The first display that is part of the desktop, in the system's order.
std::optional<Size> FirstDesktopDisplaySize() {
  DISPLAY_DEVICEW device{};
  device.cb = sizeof(device);
  for (DWORD index = 0; EnumDisplayDevicesW(nullptr, index, &device, 0); ++index) {
    if (device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) {
      DEVMODEW mode{};
      mode.dmSize = sizeof(mode);
      if (!EnumDisplaySettingsW(device.DeviceName, ENUM_CURRENT_SETTINGS, &mode)) break;
      return Size{static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight)};
    }
    device = DISPLAY_DEVICEW{};
    device.cb = sizeof(device);
  }
  return std::nullopt;
}

}  // namespace

Win32Gui::Win32Gui(HINSTANCE instance)
    : instance_(instance),
      windowClass_(
          instance, kWindowClassName, &Win32Gui::WindowProcedure,
          {LoadIconW(instance, MAKEINTRESOURCEW(kIconResource)),
           static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                         kSmallIconSize, kSmallIconSize, LR_SHARED)),
           SystemColourBrush(COLOR_BTNFACE)}),
      scrollAreaClass_(instance, ScrollArea::kClassName, &ScrollArea::Procedure,
                       {nullptr, nullptr, SystemColourBrush(COLOR_BTNFACE)}),
      pictureViewClass_(instance, PictureView::kClassName, &PictureView::Procedure,
                        {nullptr, nullptr, SystemColourBrush(COLOR_BTNFACE)}) {}

Win32Gui::~Win32Gui() {
  while (!windows_.empty()) CloseProgramWindow(windows_.begin()->first);
}

bool Win32Gui::OpenWindow(int window, const std::string& title, Point position, Size client,
                          unsigned frame) {
  CloseProgramWindow(window);
  const DWORD style = FrameStyle(frame);
  const DWORD extendedStyle = WS_EX_CONTROLPARENT;
  RECT outer{0, 0, client.width, client.height};
  AdjustWindowRectEx(&outer, style, FALSE, extendedStyle);
  UniqueWindow handle(CreateWindowExW(extendedStyle, windowClass_.Name(), Utf8ToWide(title).c_str(),
                                      style | WS_VISIBLE, position.x, position.y,
                                      outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                      nullptr, instance_, this));
  if (!handle) return false;
  windows_[window] = ProgramWindow{std::move(handle), ++windowsOpened_, std::nullopt};
  return true;
}

void Win32Gui::FixWindowSize(int window) {
  const auto found = windows_.find(window);
  if (found == windows_.end()) return;
  RECT outer;
  if (!GetWindowRect(found->second.handle.Get(), &outer)) return;
  found->second.fixedFrame = SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

void Win32Gui::LimitToFixedSize(HWND window, MINMAXINFO& limits) const {
  const std::optional<int> number = WindowNumber(window);
  if (!number) return;
  const std::optional<SIZE>& frame = windows_.at(*number).fixedFrame;
  if (!frame) return;
  limits.ptMinTrackSize = POINT{frame->cx, frame->cy};
  limits.ptMaxTrackSize = POINT{frame->cx, frame->cy};
}

Point Win32Gui::WindowPosition(int window) {
  RECT outer;
  const HWND handle = WindowHandle(window);
  if (handle == nullptr || !GetWindowRect(handle, &outer)) return {};
  return Point{outer.left, outer.top};
}

Size Win32Gui::DesktopSize() {
  if (const std::optional<Size> display = FirstDesktopDisplaySize()) return *display;
  return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32Gui::CloseProgramWindow(int window) {
  const auto found = windows_.find(window);
  if (found == windows_.end()) return;
  // Menus first, detached, so that each is destroyed once by its owner here; the
  // controls go with the window.
  std::vector<int> ownMenus;
  for (const auto& [number, menu] : menus_) {
    if (menu.window == window) ownMenus.push_back(number);
  }
  for (const int menu : ownMenus) DiscardMenu(menu);
  std::erase_if(controls_, [window](const auto& entry) { return entry.second.window == window; });
  // Out of the map before it goes: destroying it still sends it messages.
  UniqueWindow closing = std::move(found->second.handle);
  windows_.erase(found);
  closing.Reset();
}

HWND Win32Gui::WindowHandle(int window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : found->second.handle.Get();
}

std::optional<int> Win32Gui::WindowNumber(HWND handle) const {
  if (handle == nullptr) return std::nullopt;
  for (const auto& [number, window] : windows_) {
    if (window.handle.Get() == handle) return number;
  }
  return std::nullopt;
}

int Win32Gui::FirstOpenedWindow() const {
  const ProgramWindow* first = nullptr;
  int firstNumber = 0;
  for (const auto& [number, window] : windows_) {
    if (first == nullptr || window.openingOrder < first->openingOrder) {
      first = &window;
      firstNumber = number;
    }
  }
  return firstNumber;
}

HWND Win32Gui::DialogOwner() const {
  const HWND active = GetActiveWindow();
  if (WindowNumber(active)) return active;
  return WindowHandle(FirstOpenedWindow());
}

}  // namespace kadrex::win32

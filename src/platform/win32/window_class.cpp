#include "platform/win32/window_class.h"

namespace kadrex::win32 {

namespace {

// IDC_ARROW, spelled for the wide function.
constexpr WORD kArrowCursor = 32512;

}  // namespace

WindowClass::WindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, Looks looks)
    : instance_(instance), name_(name) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = looks.icon;
  windowClass.hIconSm = looks.smallIcon;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(kArrowCursor));
  windowClass.hbrBackground = looks.background;
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

WindowClass::~WindowClass() { UnregisterClassW(name_, instance_); }

}  // namespace kadrex::win32

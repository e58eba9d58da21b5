#include "platform/win32/win32_gui.h"

namespace kadrex::win32 {

void Win32Gui::HookPreviewView(int control, PreviewMouse& mouse) {
  ProgramControl* target = FindControl(control);
  if (target != nullptr && target->view) target->view->Hook(mouse);
}

void Win32Gui::ConfineCursor(int control) {
  const ProgramControl* target = FindControl(control);
  if (target == nullptr) return;
  RECT client;
  if (!GetClientRect(target->handle, &client)) return;
  MapWindowPoints(target->handle, nullptr, reinterpret_cast<POINT*>(&client), 2);
  ClipCursor(&client);
}

void Win32Gui::FreeCursor() { ClipCursor(nullptr); }

void Win32Gui::CaptureMouse(int control) {
  const ProgramControl* target = FindControl(control);
  if (target != nullptr) SetCapture(target->handle);
}

void Win32Gui::ReleaseMouse() { ReleaseCapture(); }

void Win32Gui::ToggleFocusRect(int control, Rect rect) {
  const ProgramControl* target = FindControl(control);
  if (target == nullptr) return;
  const WindowDc dc(target->handle);
  if (dc.Get() == nullptr) return;
  const RECT outline{rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
  DrawFocusRect(dc.Get(), &outline);
}

}  // namespace kadrex::win32

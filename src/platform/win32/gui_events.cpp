#include "platform/win32/win32_gui.h"

namespace kadrex::win32 {

LRESULT CALLBACK Win32Gui::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* gui = reinterpret_cast<Win32Gui*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (gui == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return gui->HandleMessage(window, message, wParam, lParam);
}

LRESULT Win32Gui::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case WM_NOTIFY: {
      // The arrows announce a step before they write the edit; the step's own scroll
      // message follows in any case, also at the end of the range.
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == static_cast<UINT>(UDN_DELTAPOS)) {
        if (const ProgramControl* field = FindControlWith(header->hwndFrom)) {
          steppingField_ = field->number;
        }
      }
      break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lParam != 0) {
        OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
        return 0;
      }
      break;
    case WM_MEASUREITEM:
      if (MeasureMenuEntry(window, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_DRAWITEM:
      if (DrawMenuEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_MOUSEWHEEL:
      if (PassWheelToScrollArea(wParam, lParam)) return 0;
      break;
    case WM_GETMINMAXINFO:
      LimitToFixedSize(window, *reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_CLOSE:
      // The program ends its loop; the windows go when the toolkit does.
      if (const std::optional<int> number = WindowNumber(window)) {
        Queue(EventKind::Close, *number);
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Gui::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (lParam == 0) {
    if (code == 0) Queue(EventKind::Menu, id);
    return;
  }
  ProgramControl* control = FindControl(id);
  if (control == nullptr || control->handle != reinterpret_cast<HWND>(lParam)) return;
  if (control->kind == ControlKind::Button && code == BN_CLICKED) {
    Queue(EventKind::Control, id);
  } else if (control->kind == ControlKind::SpinField && code == EN_CHANGE) {
    OnEditChanged(*control);
  }
}

void Win32Gui::OnScroll(HWND from, int code) {
  ProgramControl* control = FindControlWith(from);
  if (control == nullptr) return;
  if (control->kind == ControlKind::SpinField) {
    if (from == control->upDown && code == SB_THUMBPOSITION) {
      steppingField_ = 0;
      Queue(EventKind::Control, control->number);
    }
    return;
  }
  if (control->kind != ControlKind::TrackBar) return;
  // A drag or a key ends with TB_ENDTRACK at the position already reported.
  const int position = static_cast<int>(SendMessageW(from, TBM_GETPOS, 0, 0));
  if (code == TB_ENDTRACK && position == control->reportedPosition) return;
  control->reportedPosition = position;
  if (programSetting_ == 0) Queue(EventKind::Control, control->number);
}

bool Win32Gui::PassWheelToScrollArea(WPARAM wParam, LPARAM lParam) {
  // The wheel goes to the focus, which is seldom the scroll area; it scrolls the area
  // under the cursor instead.
  const POINT cursor{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  const HWND under = WindowFromPoint(cursor);
  for (const auto& [number, control] : controls_) {
    if (control.area && (control.handle == under || IsChild(control.handle, under))) {
      SendMessageW(control.handle, WM_MOUSEWHEEL, wParam, lParam);
      return true;
    }
  }
  return false;
}

bool Win32Gui::PassToDialogManager(MSG& message) {
  // Enter and Escape would reach the window as the commands IDOK and IDCANCEL, which
  // look like menu items 1 and 2.
  if (message.message == WM_KEYDOWN &&
      (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
    return false;
  }
  for (const auto& [number, window] : windows_) {
    if (IsDialogMessageW(window.handle.Get(), &message)) return true;
  }
  return false;
}

Event Win32Gui::WaitEvent() {
  while (events_.empty()) {
    MSG message;
    const BOOL received = GetMessageW(&message, nullptr, 0, 0);
    if (received == 0 || received == -1) {
      // Keep the quit request for any later wait.
      if (received == 0) PostQuitMessage(static_cast<int>(message.wParam));
      return Event{EventKind::Close, FirstOpenedWindow()};
    }
    if (!PassToDialogManager(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  const Event next = events_.front();
  events_.pop_front();
  return next;
}

}  // namespace kadrex::win32

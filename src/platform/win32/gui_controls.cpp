#include <string>

#include "platform/win32/text_encoding.h"
#include "platform/win32/win32_gui.h"

namespace kadrex::win32 {

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kUpDownStyle =
    kChildStyle | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
constexpr int kPointsPerInch = 72;
// What a screen reports at 100 % scaling, for a screen that cannot be asked.
constexpr int kDefaultPixelsPerInch = 96;

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

void UseFont(HWND control, HFONT font) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace

HWND Win32Gui::CreateChild(HWND parent, int control, const wchar_t* className, DWORD style,
                           DWORD extendedStyle, Rect place, const std::string& text) {
  if (parent == nullptr) return nullptr;
  const HWND child =
      CreateWindowExW(extendedStyle, className, Utf8ToWide(text).c_str(), kChildStyle | style,
                      place.x, place.y, place.width, place.height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control)), instance_, nullptr);
  if (child != nullptr) UseFont(child, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  return child;
}

Win32Gui::ProgramControl& Win32Gui::RegisterControl(int window, int control, ControlKind kind,
                                                    HWND handle) {
  ProgramControl& added = controls_[control];
  added = ProgramControl{};
  added.number = control;
  added.window = window;
  added.kind = kind;
  added.handle = handle;
  return added;
}

Win32Gui::ProgramControl* Win32Gui::AddControl(int window, int control, ControlKind kind,
                                               const wchar_t* className, DWORD style,
                                               DWORD extendedStyle, Rect place,
                                               const std::string& text) {
  RemoveControl(control);
  const HWND handle =
      CreateChild(WindowHandle(window), control, className, style, extendedStyle, place, text);
  if (handle == nullptr) return nullptr;
  return &RegisterControl(window, control, kind, handle);
}

void Win32Gui::RemoveControl(int control) {
  const auto found = controls_.find(control);
  if (found == controls_.end()) return;
  // What lies inside a scroll area goes with it.
  std::vector<int> contained;
  for (const auto& [number, inside] : controls_) {
    if (inside.container == control) contained.push_back(number);
  }
  for (const int number : contained) RemoveControl(number);
  ProgramControl removed = std::move(controls_.at(control));
  controls_.erase(control);
  if (removed.upDown != nullptr) DestroyWindow(removed.upDown);
  DestroyWindow(removed.handle);
}

Win32Gui::ProgramControl* Win32Gui::FindControl(int control) {
  const auto found = controls_.find(control);
  return found == controls_.end() ? nullptr : &found->second;
}

Win32Gui::ProgramControl* Win32Gui::FindControlWith(HWND handle) {
  if (handle == nullptr) return nullptr;
  for (auto& [number, control] : controls_) {
    if (control.handle == handle || control.upDown == handle) return &control;
  }
  return nullptr;
}

void Win32Gui::AddButton(int window, int control, Rect place, const std::string& text) {
  AddControl(window, control, ControlKind::Button, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, place,
             text);
}

void Win32Gui::AddLabel(int window, int control, Rect place, const std::string& text,
                        TextAlign align) {
  const DWORD alignment = align == TextAlign::Centre ? SS_CENTER : SS_LEFT;
  AddControl(window, control, ControlKind::Label, L"STATIC", alignment, 0, place, text);
}

void Win32Gui::AddSpinField(int window, int control, Rect place, int minimum, int maximum) {
  const ProgramSetting setting(programSetting_);
  ProgramControl* field =
      AddControl(window, control, ControlKind::SpinField, L"EDIT",
                 WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, place, "");
  if (field == nullptr) return;
  field->spin.emplace(minimum, maximum);
  // Aligned to its buddy, the up-down takes its place and width out of the edit's right
  // end. Its ID is 0: the field's number belongs to the edit alone.
  field->upDown = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, kUpDownStyle, 0, 0, 0, 0,
                                  WindowHandle(window), nullptr, instance_, nullptr);
  if (field->upDown == nullptr) return;
  SendMessageW(field->upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field->handle), 0);
  SendMessageW(field->upDown, UDM_SETRANGE32, static_cast<WPARAM>(minimum),
               static_cast<LPARAM>(maximum));
}

void Win32Gui::AddTrackBar(int window, int control, Rect place, int minimum, int maximum,
                           bool tickMarks) {
  const ProgramSetting setting(programSetting_);
  const DWORD ticks = tickMarks ? TBS_AUTOTICKS : 0;
  ProgramControl* bar = AddControl(window, control, ControlKind::TrackBar, TRACKBAR_CLASSW,
                                   WS_TABSTOP | TBS_HORZ | ticks, 0, place, "");
  if (bar == nullptr) return;
  SendMessageW(bar->handle, TBM_SETRANGEMIN, FALSE, minimum);
  SendMessageW(bar->handle, TBM_SETRANGEMAX, TRUE, maximum);
  SendMessageW(bar->handle, TBM_SETPOS, TRUE, minimum);
  bar->reportedPosition = static_cast<int>(SendMessageW(bar->handle, TBM_GETPOS, 0, 0));
}

void Win32Gui::AddScrollArea(int window, int control, Rect place, Size inner, int step) {
  RemoveControl(control);
  auto area =
      std::make_unique<ScrollArea>(instance_, WindowHandle(window), control, place, inner, step);
  if (area->Handle() == nullptr) return;
  ProgramControl& added = RegisterControl(window, control, ControlKind::ScrollArea, area->Handle());
  added.area = std::move(area);
}

void Win32Gui::AddImageView(int scrollArea, int control, Point position, Size size) {
  const ProgramControl* area = FindControl(scrollArea);
  if (area == nullptr || !area->area || area->area->Inner() == nullptr) return;
  const int window = area->window;
  const HWND inner = area->area->Inner();
  RemoveControl(control);
  auto view = std::make_unique<PictureView>(instance_, inner, control, position, size);
  if (view->Handle() == nullptr) return;
  ProgramControl& added = RegisterControl(window, control, ControlKind::ImageView, view->Handle());
  added.container = scrollArea;
  added.view = std::move(view);
}

void Win32Gui::ShowPicture(int control, const Picture* picture) {
  ProgramControl* target = FindControl(control);
  if (target != nullptr && target->view) target->view->Show(picture);
}

void Win32Gui::MoveControl(int control, Point position) {
  const ProgramControl* target = FindControl(control);
  if (target == nullptr) return;
  RECT place;
  if (!GetWindowRect(target->handle, &place)) return;
  MapWindowPoints(nullptr, GetParent(target->handle), reinterpret_cast<POINT*>(&place), 2);
  // A spin field's arrows keep their place beside its edit.
  const int dx = position.x - place.left;
  const int dy = position.y - place.top;
  for (const HWND part : {target->handle, target->upDown}) {
    if (part == nullptr || !GetWindowRect(part, &place)) continue;
    MapWindowPoints(nullptr, GetParent(part), reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(part, nullptr, place.left + dx, place.top + dy, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Win32Gui::WriteText(ProgramControl& control, const std::wstring& text) {
  const ProgramSetting setting(programSetting_);
  SetWindowTextW(control.handle, text.c_str());
  // The edit's notification feeds the value too; this covers a text that did not change.
  if (control.spin) control.spin->TextChanged(WideToUtf8(text));
}

void Win32Gui::SetText(int control, const std::string& text) {
  ProgramControl* target = FindControl(control);
  if (target == nullptr || target->kind == ControlKind::TrackBar) return;
  WriteText(*target, Utf8ToWide(text));
}

std::string Win32Gui::Text(int control) {
  const ProgramControl* target = FindControl(control);
  return target == nullptr ? std::string() : WideToUtf8(WindowText(target->handle));
}

void Win32Gui::SetValue(int control, int value) {
  ProgramControl* target = FindControl(control);
  if (target == nullptr) return;
  if (target->kind == ControlKind::SpinField) {
    WriteText(*target, std::to_wstring(value));
  } else if (target->kind == ControlKind::TrackBar) {
    const ProgramSetting setting(programSetting_);
    SendMessageW(target->handle, TBM_SETPOS, TRUE, value);
    target->reportedPosition = static_cast<int>(SendMessageW(target->handle, TBM_GETPOS, 0, 0));
  }
}

int Win32Gui::Value(int control) {
  const ProgramControl* target = FindControl(control);
  if (target == nullptr) return 0;
  if (target->spin) return target->spin->Value();
  if (target->kind == ControlKind::TrackBar) {
    return static_cast<int>(SendMessageW(target->handle, TBM_GETPOS, 0, 0));
  }
  return 0;
}

void Win32Gui::OnEditChanged(ProgramControl& field) {
  field.spin->TextChanged(WideToUtf8(WindowText(field.handle)));
  if (programSetting_ == 0 && steppingField_ != field.number) {
    Queue(EventKind::Control, field.number);
  }
}

bool Win32Gui::MakeFont(int font, const std::string& face, int points, bool bold) {
  const WindowDc screen(nullptr);
  const int pixelsPerInch =
      screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : kDefaultPixelsPerInch;
  UniqueFont made(CreateFontW(-MulDiv(points, pixelsPerInch, kPointsPerInch), 0, 0, 0,
                              bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH | FF_DONTCARE, Utf8ToWide(face).c_str()));
  if (!made) {
    numberedFonts_.erase(font);
    return false;
  }
  numberedFonts_[font] = made.Get();
  fonts_.push_back(std::move(made));
  return true;
}

void Win32Gui::SetFont(int control, int font) {
  const ProgramControl* target = FindControl(control);
  if (target == nullptr) return;
  // A font that could not be made leaves the control in the system font.
  const auto found = numberedFonts_.find(font);
  UseFont(target->handle, found == numberedFonts_.end() ? nullptr : found->second);
}

}  // namespace kadrex::win32

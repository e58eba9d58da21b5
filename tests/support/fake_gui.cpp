#include "fake_gui.h"

#include <algorithm>
#include <stdexcept>

namespace kadrex::test {

bool FakeGui::OpenWindow(int window, const std::string& title, Point position, Size client,
                         unsigned frame) {
  windows[window] = Window{title, position, client, frame, false};
  return true;
}

void FakeGui::FixWindowSize(int window) { windows.at(window).fixedSize = true; }

Point FakeGui::WindowPosition(int window) { return windows.at(window).position; }

FakeGui::Control& FakeGui::Add(int window, int control, Kind kind, Rect place) {
  if (!windows.contains(window)) throw std::logic_error("control added to a missing window");
  Control& added = controls[control] = Control{};
  added.window = window;
  added.kind = kind;
  added.place = place;
  creationOrder.push_back(control);
  return added;
}

void FakeGui::AddButton(int window, int control, Rect place, const std::string& text) {
  Add(window, control, Kind::Button, place).text = text;
}

void FakeGui::AddLabel(int window, int control, Rect place, const std::string& text,
                       TextAlign align) {
  Control& label = Add(window, control, Kind::Label, place);
  label.text = text;
  label.align = align;
}

void FakeGui::AddSpinField(int window, int control, Rect place, int minimum, int maximum) {
  Control& field = Add(window, control, Kind::SpinField, place);
  field.minimum = minimum;
  field.maximum = maximum;
  field.spin.emplace(minimum, maximum);
}

void FakeGui::AddTrackBar(int window, int control, Rect place, int minimum, int maximum,
                          bool tickMarks) {
  Control& bar = Add(window, control, Kind::TrackBar, place);
  bar.minimum = minimum;
  bar.maximum = maximum;
  bar.tickMarks = tickMarks;
  bar.value = minimum;
}

void FakeGui::AddScrollArea(int window, int control, Rect place, Size inner, int step) {
  Control& area = Add(window, control, Kind::ScrollArea, place);
  area.inner = inner;
  area.step = step;
}

void FakeGui::AddImageView(int scrollArea, int control, Point position, Size size) {
  Control& view = Add(controls.at(scrollArea).window, control, Kind::ImageView,
                      {position.x, position.y, size.width, size.height});
  view.parent = scrollArea;
}

void FakeGui::ShowPicture(int control, const Picture* picture) {
  Control& view = controls.at(control);
  view.shown = picture ? *picture : Picture{};
  view.place.width = view.shown.width;
  view.place.height = view.shown.height;
}

void FakeGui::HookPreviewView(int control, PreviewMouse& mouse) {
  controls.at(control);
  previewMouse = &mouse;
}

void FakeGui::ConfineCursor(int control) { confinedTo = control; }

void FakeGui::FreeCursor() { confinedTo = -1; }

void FakeGui::CaptureMouse(int control) { capturedBy = control; }

void FakeGui::ReleaseMouse() { capturedBy = -1; }

void FakeGui::ToggleFocusRect(int, Rect rect) {
  const auto same = [&](const Rect& r) {
    return r.x == rect.x && r.y == rect.y && r.width == rect.width && r.height == rect.height;
  };
  const auto found = std::find_if(focusRectsOnScreen.begin(), focusRectsOnScreen.end(), same);
  if (found == focusRectsOnScreen.end()) {
    focusRectsOnScreen.push_back(rect);
  } else {
    focusRectsOnScreen.erase(found);
  }
}

void FakeGui::MoveControl(int control, Point position) {
  controls.at(control).place.x = position.x;
  controls.at(control).place.y = position.y;
}

void FakeGui::SetText(int control, const std::string& text) { Type(control, text); }

std::string FakeGui::Text(int control) { return controls.at(control).text; }

void FakeGui::SetValue(int control, int value) {
  Control& target = controls.at(control);
  if (target.spin) {
    Type(control, std::to_string(value));
  } else {
    target.value = std::clamp(value, target.minimum, target.maximum);
  }
}

int FakeGui::Value(int control) {
  const Control& target = controls.at(control);
  return target.spin ? target.spin->Value() : target.value;
}

bool FakeGui::MakeFont(int font, const std::string& face, int points, bool bold) {
  fonts[font] = Font{face, points, bold};
  return true;
}

void FakeGui::SetFont(int control, int font) { controls.at(control).font = font; }

bool FakeGui::CreateMenuBar(int menu, int window) {
  if (!windows.contains(window)) return false;
  menus[menu].clear();
  return true;
}

void FakeGui::AddMenuTitle(int menu, const std::string& text) {
  menus.at(menu).push_back("title " + text);
}

void FakeGui::AddMenuItem(int menu, int item, const std::string& text) {
  menus.at(menu).push_back("item " + std::to_string(item) + " " + text);
}

void FakeGui::OpenSubmenu(int menu, const std::string& text) {
  menus.at(menu).push_back("submenu " + text);
}

void FakeGui::CloseSubmenu(int menu) { menus.at(menu).push_back("end"); }

void FakeGui::AddMenuSeparator(int menu) { menus.at(menu).push_back("separator"); }

bool FakeGui::CreatePopupMenu(int menu, int window) { return CreateMenuBar(menu, window); }

void FakeGui::ShowPopupMenu(int menu, Point at) { popupsShown.emplace_back(menu, at); }

std::string FakeGui::ChooseFileToSave(const std::string& title, const std::string&,
                                      const std::string&, int) {
  saveDialogTitles.push_back(title);
  if (saveDialogAnswers.empty()) return {};
  std::string answer = std::move(saveDialogAnswers.front());
  saveDialogAnswers.pop_front();
  return answer;
}

bool FakeGui::AskYesNo(const std::string& caption, const std::string& text) {
  questions.push_back({caption, text});
  if (yesNoAnswers.empty()) return false;
  const bool answer = yesNoAnswers.front();
  yesNoAnswers.pop_front();
  return answer;
}

bool FakeGui::FetchClipboardPicture(Picture& picture) {
  if (!clipboard) return false;
  picture = *clipboard;
  return true;
}

void FakeGui::ShowMessage(const std::string& caption, const std::string& text) {
  messages.push_back({caption, text});
  if (onMessage) onMessage(messages.back());
}

std::vector<std::string> FakeGui::ChooseFilesToOpen(const std::string& title,
                                                    const std::string& filter, bool) {
  openDialogTitles.push_back(title);
  openDialogFilters.push_back(filter);
  if (openDialogAnswers.empty()) return {};
  std::vector<std::string> answer = std::move(openDialogAnswers.front());
  openDialogAnswers.pop_front();
  return answer;
}

Event FakeGui::WaitEvent() {
  if (events.empty()) return Event{EventKind::Close, 1};
  const Event next = events.front();
  events.pop_front();
  return next;
}

void FakeGui::Type(int control, const std::string& text) {
  Control& target = controls.at(control);
  target.text = text;
  if (target.spin) target.spin->TextChanged(text);
}

}  // namespace kadrex::test

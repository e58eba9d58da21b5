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

void FakeGui::ShowMessage(const std::string& caption, const std::string& text) {
  messages.push_back({caption, text});
  if (onMessage) onMessage(messages.back());
}

std::vector<std::string> FakeGui::ChooseFilesToOpen(const std::string& title, const std::string&,
                                                    bool) {
  openDialogTitles.push_back(title);
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

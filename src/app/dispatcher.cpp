#include "app/dispatcher.h"

#include <array>
#include <utility>

namespace kadrex {

namespace {

// The control tests in the order they are made; kZoomGate marks the gate's place.
constexpr int kZoomGate = -1;
constexpr std::array kControlTestOrder{9,  10, 26, kZoomGate, 11, 12, 13, 14, 15,
                                       16, 18, 17, 28,        50, 27, 25, 24, 19};

void Run(const std::map<int, Dispatcher::Handler>& handlers, int number) {
  const auto found = handlers.find(number);
  if (found != handlers.end() && found->second) found->second();
}

}  // namespace

void Dispatcher::OnMenuItem(int item, Handler handler) { menuItems_[item] = std::move(handler); }

void Dispatcher::OnControl(int control, Handler handler) {
  controls_[control] = std::move(handler);
}

void Dispatcher::SetZoomGate(Gate gate) { zoomGate_ = std::move(gate); }

void Dispatcher::OnClose(Handler handler) { close_ = std::move(handler); }

void Dispatcher::Dispatch(const Event& event) const {
  switch (event.kind) {
    case EventKind::Menu:
      Run(menuItems_, event.source);
      break;
    case EventKind::Control:
      for (const int test : kControlTestOrder) {
        if (test == kZoomGate) {
          if (zoomGate_ && !zoomGate_(event.source)) return;
        } else if (test == event.source) {
          Run(controls_, test);
        }
      }
      break;
    case EventKind::Close:
      if (close_) close_();
      break;
    case EventKind::None:
      break;
  }
}

}  // namespace kadrex

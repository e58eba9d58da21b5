#pragma once

#include <functional>
#include <map>

#include "platform/gui.h"

namespace kadrex {

// Routes each event to its handler. A menu event runs the one handler of its item. A
// control event runs through every control test in a fixed order, each on its own;
// the zoom gate sits among them and can end the handling of the event.
class Dispatcher {
 public:
  using Handler = std::function<void()>;
  // Given the event's control; false when the rest of the tests must not be made.
  using Gate = std::function<bool(int control)>;

  void OnMenuItem(int item, Handler handler);
  // Only the controls of the fixed test order are tested; others reach only the gate.
  void OnControl(int control, Handler handler);
  void SetZoomGate(Gate gate);
  void OnClose(Handler handler);

  void Dispatch(const Event& event) const;

 private:
  std::map<int, Handler> menuItems_;
  std::map<int, Handler> controls_;
  Gate zoomGate_;
  Handler close_;
};

}  // namespace kadrex

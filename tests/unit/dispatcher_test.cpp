#include "app/dispatcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kadrex {
namespace {

constexpr int kHandledControls[] = {9,  10, 26, 11, 12, 13, 14, 15, 16,
                                    18, 17, 28, 50, 27, 25, 24, 19};

struct Recorder {
  std::vector<std::string> calls;
  Dispatcher dispatcher;

  Recorder() {
    for (int item = 1; item <= 9; ++item) {
      dispatcher.OnMenuItem(item,
                            [this, item] { calls.push_back("menu " + std::to_string(item)); });
    }
    for (const int control : kHandledControls) {
      dispatcher.OnControl(
          control, [this, control] { calls.push_back("control " + std::to_string(control)); });
    }
    dispatcher.OnClose([this] { calls.push_back("close"); });
  }
};

TEST(Dispatcher, MenuItemsRunTheirOneHandler) {
  Recorder recorder;
  for (int item = 0; item <= 10; ++item) recorder.dispatcher.Dispatch({EventKind::Menu, item});
  EXPECT_EQ(recorder.calls,
            (std::vector<std::string>{"menu 1", "menu 2", "menu 3", "menu 4", "menu 5", "menu 6",
                                      "menu 7", "menu 8", "menu 9"}));
}

TEST(Dispatcher, GateSitsAfterTheFirstThreeControlTests) {
  Recorder recorder;
  std::vector<int> gateSaw;
  recorder.dispatcher.SetZoomGate([&](int control) {
    recorder.calls.push_back("gate");
    gateSaw.push_back(control);
    return true;
  });
  for (const int control : {9, 10, 26, 11, 19, 23, 6}) {
    recorder.dispatcher.Dispatch({EventKind::Control, control});
  }
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"control 9", "gate", "control 10", "gate",
                                                      "control 26", "gate", "gate", "control 11",
                                                      "gate", "control 19", "gate", "gate"}));
  EXPECT_EQ(gateSaw, (std::vector<int>{9, 10, 26, 11, 19, 23, 6}));
}

TEST(Dispatcher, RefusingGateEndsTheEventAfterTheEarlyTests) {
  Recorder recorder;
  recorder.dispatcher.SetZoomGate([](int) { return false; });
  for (const int control : kHandledControls) {
    recorder.dispatcher.Dispatch({EventKind::Control, control});
  }
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"control 9", "control 10", "control 26"}));
}

TEST(Dispatcher, ControlTestsAreIndependent) {
  // A handler that changes what a later test would look at does not stop the later tests.
  Dispatcher dispatcher;
  std::vector<std::string> calls;
  bool opened = false;
  dispatcher.OnControl(10, [&] {
    opened = true;
    calls.push_back("open");
  });
  dispatcher.SetZoomGate([&](int) {
    if (opened) calls.push_back("zoom");
    return true;
  });
  dispatcher.Dispatch({EventKind::Control, 10});
  EXPECT_EQ(calls, (std::vector<std::string>{"open", "zoom"}));
}

TEST(Dispatcher, CloseFromEitherWindowRunsTheCloseHandler) {
  Recorder recorder;
  recorder.dispatcher.Dispatch({EventKind::Close, 0});
  recorder.dispatcher.Dispatch({EventKind::Close, 1});
  recorder.dispatcher.Dispatch({EventKind::None, 0});
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"close", "close"}));
}

}  // namespace
}  // namespace kadrex

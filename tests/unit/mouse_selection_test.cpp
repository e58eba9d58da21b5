#include "editor/mouse_selection.h"

#include <gtest/gtest.h>

#include "converter/converter_window.h"
#include "editor/editor_window.h"
#include "program_harness.h"

namespace kadrex {
namespace {

using Frame = std::tuple<int, int, int, int>;
using DragState = MouseSelection::DragState;

class MouseSelectionTest : public testing::Test {
 protected:
  MouseSelectionTest() {
    harness.ChooseSource(harness.MakePicture("p.bmp", 320, 240));
    harness.Press(kEditorButton);
    mouse = harness.gui.previewMouse;
  }
  Frame Current() {
    const CropFrame& f = harness.editor.frame;
    return {f.x, f.y, f.width, f.height};
  }

  test::ProgramHarness harness;
  PreviewMouse* mouse = nullptr;
};

TEST_F(MouseSelectionTest, DragSetsTheFrameBetweenPressAndRelease) {
  ASSERT_NE(mouse, nullptr);
  harness.editor.frameBaseSet = true;
  mouse->LeftButtonDown({200, 150});
  EXPECT_EQ(harness.gui.confinedTo, kPreviewView);
  mouse->MouseMove({120, 90}, true);
  mouse->MouseMove({50, 30}, true);
  EXPECT_EQ(harness.gui.capturedBy, kPreviewView);
  ASSERT_EQ(harness.gui.focusRectsOnScreen.size(), 1u);
  EXPECT_EQ(harness.gui.focusRectsOnScreen[0].x, 50);
  EXPECT_EQ(harness.gui.focusRectsOnScreen[0].width, 150);
  EXPECT_FALSE(harness.editor.frameBaseSet);
  mouse->LeftButtonUp();
  EXPECT_EQ(Current(), Frame(50, 30, 150, 120));
  EXPECT_EQ(harness.gui.Text(kFrameSizeLabel), "150x120");
  EXPECT_TRUE(harness.gui.focusRectsOnScreen.empty());
  EXPECT_EQ(harness.gui.capturedBy, -1);
  EXPECT_EQ(harness.gui.confinedTo, -1);
}

TEST_F(MouseSelectionTest, ClicksAndFlatDragsSetNoFrame) {
  // No move; back to the start; ending on the starting row; on the starting column.
  const std::vector<Point> ends[] = {{}, {{30, 40}, {10, 10}}, {{90, 10}}, {{10, 70}}};
  for (const std::vector<Point>& moves : ends) {
    mouse->LeftButtonDown({10, 10});
    for (const Point at : moves) mouse->MouseMove(at, true);
    mouse->LeftButtonUp();
    EXPECT_EQ(Current(), Frame(0, 0, 0, 0));
    EXPECT_TRUE(harness.gui.focusRectsOnScreen.empty());
    EXPECT_EQ(harness.gui.confinedTo, -1);
    EXPECT_EQ(harness.gui.capturedBy, -1);
  }
}

TEST_F(MouseSelectionTest, MovesWithoutAPressDoNothing) {
  mouse->MouseMove({10, 10}, true);
  mouse->MouseMove({20, 20}, false);
  EXPECT_TRUE(harness.gui.focusRectsOnScreen.empty());
  mouse->LeftButtonDown({10, 10});
  mouse->MouseMove({20, 20}, false);  // the button was released outside
  EXPECT_TRUE(harness.gui.focusRectsOnScreen.empty());
  mouse->LeftButtonUp();
  EXPECT_EQ(Current(), Frame(0, 0, 0, 0));
}

TEST_F(MouseSelectionTest, ReopenedEditorHooksTheNewView) {
  harness.gui.previewMouse = nullptr;
  harness.Press(kEditorButton);
  EXPECT_EQ(harness.gui.previewMouse, mouse);
}

}  // namespace
}  // namespace kadrex

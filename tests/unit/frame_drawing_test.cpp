#include "editor/frame_drawing.h"

#include <gtest/gtest.h>

#include "converter/converter_window.h"
#include "converter/working_image.h"
#include "editor/editor_window.h"
#include "program_harness.h"

namespace kadrex {
namespace {

constexpr Colour kRed = 0x0000FF;

class FrameDrawing : public testing::Test {
 protected:
  FrameDrawing() {
    harness.images.CreateBlack(kWorkingImage, 640, 480);
    harness.Press(kEditorButton);
    editor.state.frame.colour = kRed;
  }

  int RedPixels() {
    int count = 0;
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) count += harness.images.Pixel(kDisplayImage, x, y) == kRed;
    }
    return count;
  }

  test::ProgramHarness harness;
  EditorContext& editor = harness.program.editor;
};

TEST_F(FrameDrawing, OutlineLiesOnTheFramesOuterEdge) {
  RedrawFrame(editor, 10, 20, 100, 50);
  EXPECT_EQ(harness.gui.Text(kFrameSizeLabel), "100x50");
  const ImageStore& images = harness.images;
  for (const auto& [x, y] :
       {std::pair{10, 20}, {109, 20}, {10, 69}, {109, 69}, {10, 45}, {60, 69}}) {
    EXPECT_EQ(images.Pixel(kDisplayImage, x, y), kRed) << x << "," << y;
  }
  EXPECT_EQ(RedPixels(), 2 * 100 + 2 * 48);
  EXPECT_EQ(images.Pixel(kWorkingImage, 10, 20), 0u);
  EXPECT_EQ(harness.gui.controls.at(kPreviewView).shown.pixels, images.Find(kDisplayImage)->pixels);
}

TEST_F(FrameDrawing, SinglePixelAndClearedFrames) {
  RedrawFrame(editor, 0, 0, 1, 1);
  EXPECT_EQ(RedPixels(), 1);
  EXPECT_EQ(harness.images.Pixel(kDisplayImage, 0, 0), kRed);
  RedrawFrame(editor, 0, 0, 0, 0);
  EXPECT_EQ(RedPixels(), 0);
  EXPECT_EQ(harness.gui.Text(kFrameSizeLabel), "0x0");
  RedrawFrame(editor, 5, 5, 0, 7);
  EXPECT_EQ(RedPixels(), 0);
}

TEST_F(FrameDrawing, FrameFollowsTheZoomFromItsBase) {
  RedrawFrame(editor, 10, 10, 100, 50);
  editor.state.frameBaseSet = false;  // as after any change of the frame
  harness.Slide(kZoomBar, 200);
  const CropFrame& frame = editor.state.frame;
  EXPECT_EQ(std::tie(frame.x, frame.y, frame.width, frame.height), std::tuple(10, 10, 100, 50));
  harness.Slide(kZoomBar, 100);
  EXPECT_EQ(std::tie(frame.x, frame.y, frame.width, frame.height), std::tuple(5, 5, 50, 25));
  EXPECT_EQ(harness.gui.Text(kFrameSizeLabel), "50x25");
  harness.Slide(kZoomBar, 200);
  EXPECT_EQ(std::tie(frame.x, frame.y, frame.width, frame.height), std::tuple(10, 10, 100, 50));
}

}  // namespace
}  // namespace kadrex

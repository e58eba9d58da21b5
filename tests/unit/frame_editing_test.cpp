#include "editor/frame_editing.h"

#include <gtest/gtest.h>

#include "converter/converter_window.h"
#include "converter/working_image.h"
#include "editor/editor_window.h"
#include "editor/frame_drawing.h"
#include "program_harness.h"

namespace kadrex {
namespace {

using Frame = std::tuple<int, int, int, int>;

class FrameEditing : public testing::Test {
 protected:
  void OpenOn(int width, int height) {
    harness.ChooseSource(harness.MakePicture("p.bmp", width, height));
    harness.Press(kEditorButton);
  }
  Frame Current() {
    const CropFrame& f = harness.editor.frame;
    return {f.x, f.y, f.width, f.height};
  }

  test::ProgramHarness harness;
};

TEST_F(FrameEditing, FromTheClearedFrameOnlyTheBottomAndRightGrow) {
  OpenOn(640, 480);
  for (const int button : {11, 12, 13, 15, 16, 17}) harness.Press(button);
  EXPECT_EQ(Current(), Frame(0, 0, 0, 0));
  harness.Press(kBottomEdgeDownButton);
  EXPECT_EQ(Current(), Frame(0, 0, 0, 1));
  harness.Press(kRightEdgeRightButton);
  EXPECT_EQ(Current(), Frame(0, 0, 1, 1));
  EXPECT_EQ(harness.gui.Text(kFrameSizeLabel), "1x1");
  for (const int button : {11, 12, 13, 15, 16, 17}) harness.Press(button);
  EXPECT_EQ(Current(), Frame(0, 0, 1, 1));
}

TEST_F(FrameEditing, EachButtonMovesItsEdgeWithinThePicture) {
  OpenOn(40, 30);
  RedrawFrame(harness.program.editor, 5, 5, 10, 10);
  const std::pair<int, Frame> moves[] = {
      {kTopEdgeUpButton, {5, 4, 10, 11}},    {kTopEdgeDownButton, {5, 5, 10, 10}},
      {kBottomEdgeUpButton, {5, 5, 10, 9}},  {kBottomEdgeDownButton, {5, 5, 10, 10}},
      {kLeftEdgeLeftButton, {4, 5, 11, 10}}, {kLeftEdgeRightButton, {5, 5, 10, 10}},
      {kRightEdgeLeftButton, {5, 5, 9, 10}}, {kRightEdgeRightButton, {5, 5, 10, 10}}};
  for (const auto& [button, expected] : moves) {
    harness.editor.frameBaseSet = true;
    harness.Press(button);
    EXPECT_EQ(Current(), expected) << button;
    EXPECT_FALSE(harness.editor.frameBaseSet);
  }
  for (int i = 0; i < 100; ++i) {
    harness.Press(kBottomEdgeDownButton);
    harness.Press(kRightEdgeRightButton);
    harness.Press(kTopEdgeUpButton);
    harness.Press(kLeftEdgeLeftButton);
  }
  EXPECT_EQ(Current(), Frame(0, 0, 40, 30));
  for (int i = 0; i < 100; ++i) {
    harness.Press(kTopEdgeDownButton);
    harness.Press(kRightEdgeLeftButton);
  }
  EXPECT_EQ(Current(), Frame(0, 29, 1, 1));
}

TEST_F(FrameEditing, ColourBarRedrawsTheSameFrame) {
  OpenOn(64, 48);
  RedrawFrame(harness.program.editor, 2, 3, 10, 10);
  const Colour colours[] = {0x000000, 0x0000FF, 0xFF0000, 0xFFFFFF};
  for (int position = 3; position >= 0; --position) {
    harness.Slide(kFrameColourBar, position);
    EXPECT_EQ(Current(), Frame(2, 3, 10, 10));
    EXPECT_EQ(harness.images.Pixel(kDisplayImage, 2, 3), colours[position]);
    EXPECT_EQ(harness.images.Pixel(kDisplayImage, 11, 12), colours[position]);
  }
}

TEST_F(FrameEditing, CropCutsTheFramedRectangleWithItsOutline) {
  OpenOn(640, 480);
  harness.Slide(kFrameColourBar, 1);
  RedrawFrame(harness.program.editor, 10, 20, 100, 50);
  harness.Press(kCropButton);
  EXPECT_EQ(harness.images.Width(kReferenceImage), 100);
  EXPECT_EQ(harness.images.Height(kReferenceImage), 50);
  EXPECT_EQ(harness.gui.Text(kWidthField), "100");
  EXPECT_EQ(harness.gui.Text(kHeightField), "50");
  EXPECT_EQ(harness.gui.Text(kPictureSizeLabel), "100x50 (100 %)");
  EXPECT_EQ(harness.gui.Text(kFrameSizeLabel), "0x0");
  EXPECT_EQ(harness.gui.Value(kZoomBar), 100);
  for (const auto& [x, y] : {std::pair{0, 0}, {99, 0}, {0, 49}, {99, 49}, {50, 0}, {0, 25}}) {
    EXPECT_EQ(harness.images.Pixel(kDisplayImage, x, y), 0x0000FFu) << x << "," << y;
  }
  // Inside the ring: the picture's own pixel at (11, 21).
  EXPECT_EQ(harness.images.Pixel(kDisplayImage, 1, 1), 0x20150Bu);
  // The reset undoes every crop.
  harness.Press(kResetButton);
  EXPECT_EQ(harness.gui.Text(kPictureSizeLabel), "640x480 (100 %)");
}

TEST_F(FrameEditing, CropOfAHalvedPictureShowsTheCutAtFullScale) {
  OpenOn(3000, 2000);
  RedrawFrame(harness.program.editor, 100, 100, 200, 100);
  harness.Press(kCropButton);
  EXPECT_EQ(harness.gui.Text(kWidthField), "200");
  EXPECT_EQ(harness.gui.Text(kHeightField), "100");
  EXPECT_EQ(harness.gui.Text(kPictureSizeLabel), "400x200 (100 %)");
  EXPECT_EQ(harness.gui.controls.at(kPreviewView).shown.width, 400);
}

TEST_F(FrameEditing, CropWithoutAreaOrOutsideThePictureDoesNothing) {
  OpenOn(64, 48);
  for (const Frame& frame : {Frame(0, 0, 0, 0), Frame(0, 0, 0, 1), Frame(60, 40, 10, 10)}) {
    const auto [x, y, w, h] = frame;
    RedrawFrame(harness.program.editor, x, y, w, h);
    harness.Press(kCropButton);
    EXPECT_EQ(harness.images.Width(kReferenceImage), 64);
    EXPECT_EQ(Current(), frame);
  }
}

}  // namespace
}  // namespace kadrex

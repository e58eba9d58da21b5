#include "editor/zoom.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "converter/converter_window.h"
#include "converter/hand_off_file.h"
#include "converter/working_image.h"
#include "editor/editor_window.h"
#include "editor/frame_drawing.h"
#include "program_harness.h"

namespace kadrex {
namespace {

class EditorZoom : public testing::Test {
 protected:
  explicit EditorZoom(Size desktop = {1280, 1024}) : harness(desktop) {}

  // Opens the editor on a picture of the given size.
  void OpenOn(int width, int height) {
    harness.ChooseSource(harness.MakePicture("source.bmp", width, height));
    harness.Press(kEditorButton);
  }

  std::string Label() { return harness.gui.Text(kPictureSizeLabel); }
  const Picture& Shown() { return harness.gui.controls.at(kPreviewView).shown; }

  test::ProgramHarness harness;
  ImageStore& images = harness.images;
};

TEST_F(EditorZoom, FirstOpeningZoomsInTheSameEvent) {
  images.CreateBlack(kWorkingImage, 300, 150);
  harness.Press(kEditorButton);
  EXPECT_TRUE(harness.editor.zoomStarted);
  EXPECT_EQ(Label(), "300x150 (100 %)");
  EXPECT_EQ(images.Width(kDisplayImage), 300);
  EXPECT_EQ(Shown().width, 300);
  EXPECT_EQ(harness.gui.Text(kFrameSizeLabel), "0x0");
  EXPECT_EQ(harness.gui.Text(kWidthField), "300");
  // Centred in the preview: ((1245 - 300) / 2, (937 x 0.98 - 150) / 2), rounded.
  EXPECT_EQ(harness.gui.controls.at(kPreviewView).place.x, 472);
  EXPECT_EQ(harness.gui.controls.at(kPreviewView).place.y, 384);
}

TEST_F(EditorZoom, FitRuleHalvesOnceWhenTooLarge) {
  struct Case {
    int width, height;
    const char* label;
  };
  const Case cases[] = {{1215, 744, "1215x744 (100 %)"}, {1216, 10, "608x5 (50 %)"},
                        {1000, 745, "500x372 (50 %)"},   {2001, 10, "1000x5 (50 %)"},
                        {1999, 10, "1000x5 (50 %)"},     {6000, 4000, "3000x2000 (50 %)"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::ProgramHarness fresh;
    fresh.ChooseSource(fresh.MakePicture("p.bmp", c.width, c.height));
    fresh.Press(kEditorButton);
    EXPECT_EQ(fresh.gui.Text(kPictureSizeLabel), c.label);
    EXPECT_EQ(fresh.gui.Text(kWidthField), std::to_string(c.width));
  }
}

TEST_F(EditorZoom, ZoomBarScalesTheShownPicture) {
  OpenOn(640, 480);
  harness.Slide(kZoomBar, 150);
  EXPECT_EQ(Label(), "960x720 (150 %)");
  EXPECT_EQ(Shown().width, 960);
  harness.Press(kTakeShownSizeButton);
  EXPECT_EQ(harness.gui.Text(kWidthField), "960");
  EXPECT_EQ(harness.gui.Text(kHeightField), "720");
  harness.Slide(kZoomBar, 0);
  EXPECT_EQ(Label(), "6x4 (1 %)");
}

TEST_F(EditorZoom, HalvedPictureZoomsOnTheFullScale) {
  OpenOn(3000, 2000);
  EXPECT_EQ(Label(), "1500x1000 (50 %)");
  harness.Slide(kZoomBar, 75);
  EXPECT_EQ(Label(), "2250x1500 (75 %)");
}

TEST_F(EditorZoom, LabelRoundsTheSizeRatio) {
  OpenOn(333, 20);
  harness.Slide(kZoomBar, 50);
  EXPECT_EQ(images.Width(kWorkingImage), 166);
  EXPECT_NEAR(harness.editor.sizeRatio, 49.85, 0.01);
  EXPECT_EQ(Label(), "166x10 (50 %)");
}

TEST_F(EditorZoom, TinyZoomKeepsOnePixel) {
  OpenOn(50, 30);
  harness.Slide(kZoomBar, 1);
  EXPECT_EQ(images.Width(kWorkingImage), 1);
  EXPECT_EQ(images.Height(kWorkingImage), 1);
}

class LargeDesktopZoom : public EditorZoom {
 protected:
  LargeDesktopZoom() : EditorZoom({2560, 2048}) {}
};

TEST_F(LargeDesktopZoom, ZoomOf4000PixelsIsRefused) {
  OpenOn(2000, 100);
  ASSERT_EQ(harness.editor.fitDivisor, 1);
  harness.Slide(kZoomBar, 199);
  EXPECT_EQ(Label(), "3980x199 (199 %)");
  harness.Slide(kZoomBar, 200);
  EXPECT_EQ(Label(), "3980x199 (199 %)");
  EXPECT_EQ(harness.gui.Value(kZoomBar), 200);
}

TEST_F(EditorZoom, RefusedFirstZoomBlocksTheButtonsUntilASmallerPicture) {
  OpenOn(9000, 100);
  EXPECT_FALSE(harness.editor.zoomStarted);
  EXPECT_EQ(Label(), "4500x50 (50 %)");
  harness.Press(kTakeShownSizeButton);
  EXPECT_EQ(harness.gui.Text(kWidthField), "9000");
  harness.ChooseSource(harness.MakePicture("small.bmp", 64, 32));
  harness.Press(kEditorButton);
  EXPECT_TRUE(harness.editor.zoomStarted);
  EXPECT_EQ(Label(), "64x32 (100 %)");
}

TEST_F(EditorZoom, LaterOpeningsShowTheReferenceWithoutZooming) {
  OpenOn(640, 480);
  harness.Slide(kZoomBar, 150);
  harness.ChooseSource(harness.MakePicture("second.bmp", 100, 80));
  harness.Press(kEditorButton);
  EXPECT_EQ(Label(), "100x80 (100 %)");
  EXPECT_EQ(Shown().width, 100);
  // The working image is at full size and the display still the last zoom's.
  EXPECT_EQ(images.Width(kDisplayImage), 960);
}

TEST_F(EditorZoom, OpensOnTheLastLineOfTheHandOffFile) {
  const std::string a = harness.MakePicture("a.bmp", 20, 10);
  const std::string b = harness.MakePicture("b.bmp", 40, 30);
  std::ofstream(HandOffFilePath(harness.system), std::ios::binary) << a << "\r\n" << b;
  harness.Press(kEditorButton);
  EXPECT_EQ(Label(), "40x30 (100 %)");
  EXPECT_EQ(harness.program.sources.fileList, (std::vector<std::string>{a, b}));
  EXPECT_FALSE(std::filesystem::exists(HandOffFilePath(harness.system)));
}

TEST_F(EditorZoom, OpenFileLoadsAndPresentsThePicture) {
  OpenOn(640, 480);
  harness.Press(kOpenFileButton);  // cancelled
  EXPECT_EQ(Label(), "640x480 (100 %)");
  EXPECT_EQ(harness.gui.openDialogTitles.back(), "Выберите файл изображения");
  EXPECT_EQ(harness.gui.openDialogFilters.back(),
            "PNG JPG BMP |*.png;*.jpg;*.JPG;*.JEPG;*.jpeg;*.bmp | ");
  harness.gui.openDialogAnswers.push_back({harness.MakePicture("other.bmp", 1300, 20)});
  harness.Press(kOpenFileButton);
  EXPECT_EQ(Label(), "650x10 (50 %)");
  EXPECT_EQ(harness.gui.Text(kWidthField), "1300");
  EXPECT_EQ(images.Width(kDisplayImage), 1300);
}

TEST_F(EditorZoom, FailedLoadShowsAnEmptyPictureAndKeepsWorking) {
  OpenOn(640, 480);
  harness.gui.openDialogAnswers.push_back({harness.temp / "missing.png"});
  harness.Press(kOpenFileButton);
  EXPECT_EQ(harness.gui.Text(kWidthField), "0");
  EXPECT_EQ(Label(), "0x0 (0 %)");
  EXPECT_TRUE(Shown().Empty());
  harness.Slide(kZoomBar, 120);
  EXPECT_EQ(Label(), "0x0 (0 %)");
  EXPECT_TRUE(Shown().Empty());
  harness.gui.openDialogAnswers.push_back({harness.MakePicture("good.bmp", 30, 20)});
  harness.Press(kOpenFileButton);
  EXPECT_EQ(Label(), "30x20 (100 %)");
}

TEST_F(EditorZoom, ClipboardPictureGoesThroughATemporaryBmp) {
  OpenOn(640, 480);
  harness.Press(kFromClipboardButton);  // never a picture: as a failed load
  EXPECT_EQ(Label(), "0x0 (0 %)");
  Picture pasted;
  MakeBlackPicture(pasted, 70, 50);
  harness.gui.clipboard = pasted;
  harness.Press(kFromClipboardButton);
  EXPECT_EQ(Label(), "70x50 (100 %)");
  EXPECT_EQ(harness.system.removedFiles.count(harness.system.tempFolder + "jopa.bmp"), 1u);
  EXPECT_FALSE(std::filesystem::exists(harness.system.tempFolder + "jopa.bmp"));
  // An empty clipboard brings the previous paste again.
  harness.gui.clipboard.reset();
  harness.gui.openDialogAnswers.push_back({harness.MakePicture("x.bmp", 10, 10)});
  harness.Press(kOpenFileButton);
  harness.Press(kFromClipboardButton);
  EXPECT_EQ(Label(), "70x50 (100 %)");
}

TEST_F(EditorZoom, ResetGoesBackToTheLoadedPicture) {
  OpenOn(640, 480);
  harness.Slide(kZoomBar, 150);
  RedrawFrame(harness.program.editor, 10, 10, 50, 50);
  harness.gui.SetText(kWidthField, "12");
  harness.Press(kResetButton);
  EXPECT_EQ(harness.gui.Text(kWidthField), "640");
  EXPECT_EQ(harness.gui.Text(kFrameSizeLabel), "0x0");
  EXPECT_EQ(Label(), "640x480 (100 %)");
  EXPECT_EQ(harness.gui.Value(kZoomBar), 100);
  EXPECT_EQ(images.Pixel(kDisplayImage, 10, 10), images.Pixel(kWorkingImage, 10, 10));
}

}  // namespace
}  // namespace kadrex

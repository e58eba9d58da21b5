#include "editor/editor_window.h"

#include <gtest/gtest.h>

#include "converter/converter_window.h"
#include "editor/editor_fonts.h"
#include "program_harness.h"

namespace kadrex {
namespace {

using Kind = test::FakeGui::Kind;

TEST(EditorWindow, ScaledLayoutAtTheDesignDesktop) {
  test::ProgramHarness harness({1280, 1024});
  harness.Press(kEditorButton);
  const auto& window = harness.gui.windows.at(kEditorWindow);
  EXPECT_EQ(window.title, "Редактор");
  EXPECT_EQ(window.position.x, 10);
  EXPECT_EQ(window.position.y, 0);
  EXPECT_EQ(window.client.width, 1245);
  EXPECT_EQ(window.client.height, 936);
  EXPECT_EQ(window.frame, kTitleBar | kSystemMenu | kMinimizeBox | kSizingBorder);
  EXPECT_TRUE(window.fixedSize);
  const auto& width = harness.gui.controls.at(kWidthField);
  EXPECT_EQ(width.kind, Kind::SpinField);
  EXPECT_EQ(width.place.x, 15);
  EXPECT_EQ(width.place.y, 864);
  EXPECT_EQ(width.place.width, 100);
  EXPECT_EQ(width.place.height, 29);
  EXPECT_EQ(width.maximum, 10000);
  EXPECT_EQ(width.font, kLargeFont);
}

TEST(EditorWindow, ControlsKindsTextsAndFonts) {
  test::ProgramHarness harness({1920, 1080});
  harness.Press(kEditorButton);
  const auto& gui = harness.gui;
  EXPECT_EQ(gui.creationOrder,
            (std::vector<int>{2,  3,  4,  5,  6,  7,  8,  9,  10, 20, 21, 22, 23, 24,
                              25, 27, 28, 11, 12, 13, 14, 15, 16, 17, 18, 26, 50, 19,
                              48, 29, 31, 32, 33, 34, 43, 36, 38, 39, 40, 37}));
  const std::tuple<int, const char*, int> buttons[] = {{25, "Обрезать", kMediumFont},
                                                       {27, " <<< ", kMediumFont},
                                                       {28, " СБРОС ВСЕХ ДЕЙСТВИЙ ", kSmallFont},
                                                       {11, "+", kMediumFont},
                                                       {12, "-", kMediumFont},
                                                       {26, "Сохранить как", kLargeFont},
                                                       {50, "Открыть файл", kSmallFont},
                                                       {19, "Из буфера", kSmallFont}};
  for (const auto& [control, text, font] : buttons) {
    EXPECT_EQ(gui.controls.at(control).text, text);
    EXPECT_EQ(gui.controls.at(control).font, font);
  }
  const auto& zoom = gui.controls.at(kZoomBar);
  EXPECT_EQ(zoom.maximum, 500);
  EXPECT_FALSE(zoom.tickMarks);
  EXPECT_EQ(gui.controls.at(kFrameColourBar).maximum, 3);
  EXPECT_TRUE(gui.controls.at(kFrameColourBar).tickMarks);
  EXPECT_EQ(gui.controls.at(36).text, "Ч");
  EXPECT_EQ(gui.controls.at(36).align, TextAlign::Left);
  // The scroll area's inner size and step are pixels whatever the scale.
  const auto& area = gui.controls.at(kPreviewArea);
  EXPECT_EQ(area.inner.width, 4040);
  EXPECT_EQ(area.inner.height, 4000);
  EXPECT_EQ(area.step, 10);
  EXPECT_EQ(area.place.width, 1860);
  EXPECT_EQ(gui.controls.at(kPreviewView).parent, kPreviewArea);
  EXPECT_EQ(gui.menus.at(kSaveAsMenu),
            (std::vector<std::string>{
                "item 6 Сохранить в формате JPG", "item 7 Сохранить в формате PNG",
                "item 8 Сохранить в формате BMP", "item 9 Сохранить в формате ICO"}));
}

TEST(EditorWindow, LabelsAreEmptyUntilWritten) {
  test::ProgramHarness harness;
  EditorContext& editor = harness.program.editor;
  CreateEditorWindow(editor);
  EXPECT_EQ(harness.gui.controls.at(kFrameSizeLabel).text, "");
  EXPECT_EQ(harness.gui.controls.at(kPictureSizeLabel).text, "");
  EXPECT_EQ(harness.gui.Value(kZoomBar), 0);
}

}  // namespace
}  // namespace kadrex

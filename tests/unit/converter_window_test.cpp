#include "converter/converter_window.h"

#include <gtest/gtest.h>

#include "converter/main_menu.h"
#include "fake_gui.h"

namespace kadrex {
namespace {

using Kind = test::FakeGui::Kind;

TEST(ConverterWindow, OpensAtItsPlaceWithAFixedSize) {
  test::FakeGui gui;
  CreateConverterWindow(gui);
  const auto& window = gui.windows.at(kConverterWindow);
  EXPECT_EQ(window.title, "Меняем размеры и формат");
  EXPECT_EQ(window.position.x, 483);
  EXPECT_EQ(window.position.y, 334);
  EXPECT_EQ(window.client.width, 274);
  EXPECT_EQ(window.client.height, 160);
  EXPECT_EQ(window.frame, kTitleBar | kSystemMenu | kSizingBorder);
  EXPECT_TRUE(window.fixedSize);
}

TEST(ConverterWindow, ControlsInTheirOrderPlaceAndFirstState) {
  test::FakeGui gui;
  CreateConverterWindow(gui);
  EXPECT_EQ(gui.creationOrder, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 21, 22}));
  struct Expected {
    int control;
    Kind kind;
    Rect place;
    const char* text;
  };
  const Expected expected[] = {
      {2, Kind::TrackBar, {5, 75, 190, 30}, ""},
      {3, Kind::Label, {5, 110, 30, 20}, "BMP"},
      {4, Kind::Label, {80, 110, 40, 20}, "JPEG"},
      {5, Kind::Label, {160, 110, 35, 15}, "PNG"},
      {6, Kind::SpinField, {15, 38, 60, 20}, "320"},
      {7, Kind::SpinField, {90, 38, 60, 20}, "240"},
      {8, Kind::SpinField, {220, 38, 40, 20}, "10"},
      {9, Kind::Button, {215, 113, 45, 20}, "ОК"},
      {10, Kind::Button, {200, 80, 60, 20}, "Обрезать"},
      {20, Kind::Label, {10, 10, 60, 20}, "Ширина"},
      {21, Kind::Label, {85, 10, 60, 20}, "Высота"},
      {22, Kind::Label, {210, 10, 60, 20}, "Качество"},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.control);
    const auto& control = gui.controls.at(e.control);
    EXPECT_EQ(control.window, kConverterWindow);
    EXPECT_EQ(control.kind, e.kind);
    EXPECT_EQ(control.place.x, e.place.x);
    EXPECT_EQ(control.place.y, e.place.y);
    EXPECT_EQ(control.place.width, e.place.width);
    EXPECT_EQ(control.place.height, e.place.height);
    EXPECT_EQ(control.text, e.text);
    if (control.kind == Kind::Label) {
      EXPECT_EQ(control.align, TextAlign::Centre);
    }
    EXPECT_EQ(control.font, -1);  // the platform's default GUI font
  }
  // "ОК" is Cyrillic, not Latin.
  EXPECT_EQ(gui.controls.at(kOkButton).text, "\xD0\x9E\xD0\x9A");
}

TEST(ConverterWindow, RangesAndFirstValues) {
  test::FakeGui gui;
  CreateConverterWindow(gui);
  const std::tuple<int, int, int, int> ranges[] = {{kFormatBar, 1, 3, 1},
                                                   {kBatchWidthField, 0, 2000, 320},
                                                   {kBatchHeightField, 0, 2000, 240},
                                                   {kQualityField, 0, 10, 10}};
  for (const auto& [control, minimum, maximum, first] : ranges) {
    EXPECT_EQ(gui.controls.at(control).minimum, minimum);
    EXPECT_EQ(gui.controls.at(control).maximum, maximum);
    EXPECT_EQ(gui.Value(control), first);
  }
  EXPECT_TRUE(gui.controls.at(kFormatBar).tickMarks);
  gui.Type(kBatchWidthField, "2500");
  EXPECT_EQ(gui.Value(kBatchWidthField), 320);
}

TEST(ConverterWindow, MainMenuStructure) {
  test::FakeGui gui;
  CreateConverterWindow(gui);
  EXPECT_EQ(gui.menus.at(kMainMenu),
            (std::vector<std::string>{"title Файл", "item 1 Открыть Файл(ы)", "submenu Настройки",
                                      "item 2 Создать контекстное меню",
                                      "item 3 Удалить контекстное меню", "end", "separator",
                                      "item 4 О программе", "item 5 Выход"}));
}

}  // namespace
}  // namespace kadrex

#include "converter/converter_window.h"

#include "converter/main_menu.h"

namespace kadrex {

namespace {

constexpr Point kConverterPosition{483, 334};
// The menu bar takes its height out of this client area; the frame does not grow.
constexpr Size kConverterClient{274, 160};

struct LabelSpec {
  int control;
  Rect place;
  const char* text;
};

constexpr LabelSpec kFormatLabels[] = {
    {3, {5, 110, 30, 20}, "BMP"},
    {4, {80, 110, 40, 20}, "JPEG"},
    {5, {160, 110, 35, 15}, "PNG"},
};

constexpr LabelSpec kFieldLabels[] = {
    {20, {10, 10, 60, 20}, "Ширина"},
    {21, {85, 10, 60, 20}, "Высота"},
    {22, {210, 10, 60, 20}, "Качество"},
};

void AddLabels(Gui& gui, const auto& labels) {
  for (const LabelSpec& label : labels) {
    gui.AddLabel(kConverterWindow, label.control, label.place, label.text, TextAlign::Centre);
  }
}

}  // namespace

void CreateConverterWindow(Gui& gui) {
  if (!gui.OpenWindow(kConverterWindow, "Меняем размеры и формат", kConverterPosition,
                      kConverterClient, kTitleBar | kSystemMenu | kSizingBorder)) {
    return;
  }
  gui.FixWindowSize(kConverterWindow);

  gui.AddTrackBar(kConverterWindow, kFormatBar, {5, 75, 190, 30}, 1, 3, true);
  AddLabels(gui, kFormatLabels);
  gui.AddSpinField(kConverterWindow, kBatchWidthField, {15, 38, 60, 20}, 0, 2000);
  gui.AddSpinField(kConverterWindow, kBatchHeightField, {90, 38, 60, 20}, 0, 2000);
  gui.AddSpinField(kConverterWindow, kQualityField, {220, 38, 40, 20}, 0, 10);
  gui.SetValue(kBatchWidthField, 320);
  gui.SetValue(kBatchHeightField, 240);
  gui.SetValue(kQualityField, 10);

  // Cyrillic О and К, not the Latin letters.
  gui.AddButton(kConverterWindow, kOkButton, {215, 113, 45, 20}, "ОК");
  gui.AddButton(kConverterWindow, kEditorButton, {200, 80, 60, 20}, "Обрезать");
  AddLabels(gui, kFieldLabels);

  CreateMainMenu(gui, kConverterWindow);
}

}  // namespace kadrex

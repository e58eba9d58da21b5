#include "editor/editor_window.h"

#include <string>

#include "converter/working_image.h"
#include "editor/editor_fonts.h"

namespace kadrex {

namespace {

// Design values: scaled by the display scale (x and widths by x, y and heights by y).
constexpr double kEditorDesignX = 10;
constexpr Size kEditorDesignClient{1245, 955};
constexpr Size kPreviewDesignSize{1245, 850};
// The preview's inner area and scroll step are plain pixels.
constexpr Size kPreviewInnerArea{4040, 4000};
constexpr int kPreviewScrollStep = 10;
constexpr int kNoFont = -1;

enum class Kind { Button, Label, LeftLabel, TrackBar, TickedTrackBar, SpinField, ScrollArea };

struct ControlSpec {
  int control;
  Kind kind;
  const char* text;
  Rect design;
  int font;
  int minimum;
  int maximum;
};

// In the order of creation; the image view follows the scroll area.
constexpr ControlSpec kEditorControls[] = {
    {kZoomBar, Kind::TrackBar, "", {380, 880, 350, 35}, kNoFont, 0, 500},
    {kFrameColourBar, Kind::TickedTrackBar, "", {890, 850, 120, 30}, kNoFont, 0, 3},
    {kCropButton, Kind::Button, "Обрезать", {890, 915, 120, 25}, kMediumFont, 0, 0},
    {kTakeShownSizeButton, Kind::Button, " <<< ", {440, 920, 35, 30}, kMediumFont, 0, 0},
    {kResetButton, Kind::Button, " СБРОС ВСЕХ ДЕЙСТВИЙ ", {18, 925, 270, 25}, kSmallFont, 0, 0},
    {kTopEdgeUpButton, Kind::Button, "+", {785, 853, 20, 20}, kMediumFont, 0, 0},
    {kTopEdgeDownButton, Kind::Button, "-", {785, 873, 20, 20}, kMediumFont, 0, 0},
    {kBottomEdgeUpButton, Kind::Button, "-", {785, 908, 20, 20}, kMediumFont, 0, 0},
    {kBottomEdgeDownButton, Kind::Button, "+", {785, 928, 20, 20}, kMediumFont, 0, 0},
    {kLeftEdgeLeftButton, Kind::Button, "+", {745, 892, 20, 20}, kMediumFont, 0, 0},
    {kLeftEdgeRightButton, Kind::Button, "-", {765, 892, 20, 20}, kMediumFont, 0, 0},
    {kRightEdgeLeftButton, Kind::Button, "-", {805, 892, 20, 20}, kMediumFont, 0, 0},
    {kRightEdgeRightButton, Kind::Button, "+", {825, 892, 20, 20}, kMediumFont, 0, 0},
    {kSaveAsButton, Kind::Button, "Сохранить как", {1051, 915, 185, 35}, kLargeFont, 0, 0},
    {kOpenFileButton, Kind::Button, "Открыть файл", {1140, 850, 100, 30}, kSmallFont, 0, 0},
    {kFromClipboardButton, Kind::Button, "Из буфера", {1040, 850, 100, 30}, kSmallFont, 0, 0},
    {kPreviewArea, Kind::ScrollArea, "", {0, 0, 1240, 845}, kNoFont, 0, 0},
    {kWidthField, Kind::SpinField, "", {15, 882, 100, 30}, kLargeFont, 0, 10000},
    {kHeightField, Kind::SpinField, "", {205, 882, 100, 30}, kLargeFont, 0, 10000},
    {33, Kind::Label, "Ширина", {20, 855, 80, 25}, kMediumFont, 0, 0},
    {34, Kind::Label, "Высота", {210, 855, 80, 25}, kMediumFont, 0, 0},
    {kPictureSizeLabel, Kind::Label, "", {477, 925, 160, 20}, kMediumFont, 0, 0},
    // Under the colour bar's four positions: black, red, blue, white.
    {36, Kind::LeftLabel, "Ч", {900, 890, 30, 20}, kSmallFont, 0, 0},
    {38, Kind::LeftLabel, "К", {932, 890, 30, 20}, kSmallFont, 0, 0},
    {39, Kind::LeftLabel, "С", {962, 890, 30, 20}, kSmallFont, 0, 0},
    {40, Kind::LeftLabel, "Б", {994, 890, 30, 20}, kSmallFont, 0, 0},
    {kFrameSizeLabel, Kind::LeftLabel, "", {815, 853, 80, 30}, kMediumFont, 0, 0},
};

constexpr struct {
  int item;
  const char* text;
} kSaveAsItems[] = {
    {kSaveJpegItem, "Сохранить в формате JPG"},
    {kSavePngItem, "Сохранить в формате PNG"},
    {kSaveBmpItem, "Сохранить в формате BMP"},
    {kSaveIcoItem, "Сохранить в формате ICO"},
};

Rect ScaledRect(Rect design, DisplayScale scale) {
  return {Scaled(design.x, scale.x), Scaled(design.y, scale.y), Scaled(design.width, scale.x),
          Scaled(design.height, scale.y)};
}

void AddControl(EditorContext& editor, const ControlSpec& entry) {
  Gui& gui = editor.gui;
  const Rect place = ScaledRect(entry.design, editor.scale);
  switch (entry.kind) {
    case Kind::Button:
      gui.AddButton(kEditorWindow, entry.control, place, entry.text);
      break;
    case Kind::Label:
    case Kind::LeftLabel:
      gui.AddLabel(kEditorWindow, entry.control, place, entry.text,
                   entry.kind == Kind::Label ? TextAlign::Centre : TextAlign::Left);
      break;
    case Kind::TrackBar:
    case Kind::TickedTrackBar:
      gui.AddTrackBar(kEditorWindow, entry.control, place, entry.minimum, entry.maximum,
                      entry.kind == Kind::TickedTrackBar);
      break;
    case Kind::SpinField:
      gui.AddSpinField(kEditorWindow, entry.control, place, entry.minimum, entry.maximum);
      break;
    case Kind::ScrollArea: {
      gui.AddScrollArea(kEditorWindow, entry.control, place, kPreviewInnerArea, kPreviewScrollStep);
      const EditorState& state = editor.state;
      gui.AddImageView(entry.control, kPreviewView,
                       {RoundHalfEven(state.previewOffsetX), RoundHalfEven(state.previewOffsetY)},
                       {Scaled(kPreviewDesignSize.width, editor.scale.x),
                        Scaled(kPreviewDesignSize.height, editor.scale.y)});
      gui.ShowPicture(kPreviewView, editor.images.Find(kWorkingImage));
      break;
    }
  }
  if (entry.font != kNoFont) gui.SetFont(entry.control, entry.font);
}

}  // namespace

void CreateEditorWindow(EditorContext& editor) {
  Gui& gui = editor.gui;
  const DisplayScale scale = editor.scale;
  if (!gui.OpenWindow(
          kEditorWindow, "Редактор", {Scaled(kEditorDesignX, scale.x), 0},
          {Scaled(kEditorDesignClient.width, scale.x), Scaled(kEditorDesignClient.height, scale.y)},
          kTitleBar | kSystemMenu | kMinimizeBox | kSizingBorder)) {
    return;
  }
  gui.FixWindowSize(kEditorWindow);
  for (const ControlSpec& entry : kEditorControls) AddControl(editor, entry);
  if (!gui.CreatePopupMenu(kSaveAsMenu, kEditorWindow)) return;
  for (const auto& [item, text] : kSaveAsItems) gui.AddMenuItem(kSaveAsMenu, item, text);
}

}  // namespace kadrex

namespace kadrex {

void SetSizeFields(Gui& gui, int width, int height) {
  gui.SetText(kWidthField, std::to_string(width));
  gui.SetText(kHeightField, std::to_string(height));
}

}  // namespace kadrex

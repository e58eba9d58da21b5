#include "editor/zoom.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "converter/working_image.h"
#include "editor/editor_window.h"
#include "editor/frame_drawing.h"

namespace kadrex {

namespace {

// The preview's design size for the fit rule and for centring the picture.
constexpr double kFitDesignWidth = 1215;
constexpr double kFitDesignHeight = 760;
constexpr double kCentreDesignWidth = 1245;
constexpr double kCentreDesignHeight = 937;
// A zoomed picture must stay below this on each side.
constexpr std::int64_t kZoomLimit = 4000;

void SetPictureSizeLabel(Gui& gui, int width, int height, int percent) {
  gui.SetText(kPictureSizeLabel, std::to_string(width) + "x" + std::to_string(height) + " (" +
                                     std::to_string(percent) + " %)");
}

void PlacePreview(EditorContext& editor, double width, double height) {
  EditorState& state = editor.state;
  state.previewOffsetX = static_cast<float>((kCentreDesignWidth * editor.scale.x - width) / 2);
  state.previewOffsetY = static_cast<float>((kCentreDesignHeight * editor.scale.y - height) / 2);
}

void MovePreview(EditorContext& editor) {
  editor.gui.MoveControl(kPreviewView, {RoundHalfEven(editor.state.previewOffsetX),
                                        RoundHalfEven(editor.state.previewOffsetY)});
}

}  // namespace

void ShowLoadedPicture(EditorContext& editor) {
  Gui& gui = editor.gui;
  ImageStore& images = editor.images;
  EditorState& state = editor.state;
  SetSizeFields(gui, images.Width(kWorkingImage), images.Height(kWorkingImage));
  float width = static_cast<float>(images.Width(kReferenceImage));
  float height = static_cast<float>(images.Height(kReferenceImage));
  gui.SetValue(kZoomBar, 100);
  state.fitDivisor = 1;
  if (width > kFitDesignWidth * editor.scale.x || height > kFitDesignHeight * editor.scale.y) {
    width /= 2;
    height /= 2;
    gui.SetValue(kZoomBar, 50);
    state.fitDivisor = 2;
  }
  PlacePreview(editor, width, height);
  images.Resize(kReferenceImage, RoundHalfEven(width), RoundHalfEven(height));
  MovePreview(editor);
  gui.ShowPicture(kPreviewView, images.Find(kReferenceImage));
  const bool empty = images.Find(kReferenceImage) == nullptr;
  SetPictureSizeLabel(gui, images.Width(kReferenceImage), images.Height(kReferenceImage),
                      empty ? 0 : 100 / state.fitDivisor);
}

bool ZoomRule(EditorContext& editor, int control) {
  EditorState& state = editor.state;
  if (!state.editorOpened || (control != kZoomBar && state.zoomStarted)) return true;
  state.zoomPercent = editor.gui.Value(kZoomBar) * state.fitDivisor;
  const std::int64_t width = editor.images.Width(kReferenceImage);
  const std::int64_t height = editor.images.Height(kReferenceImage);
  if (width * state.zoomPercent / 100 >= kZoomLimit ||
      height * state.zoomPercent / 100 >= kZoomLimit) {
    return false;
  }
  if (state.zoomPercent == 0) state.zoomPercent = 1;
  state.zoomStarted = true;
  ApplyZoom(editor);
  return true;
}

void ApplyZoom(EditorContext& editor) {
  ImageStore& images = editor.images;
  EditorState& state = editor.state;
  images.Copy(kReferenceImage, kWorkingImage);
  const int width = images.Width(kReferenceImage);
  const int height = images.Height(kReferenceImage);
  PlacePreview(editor, width * state.zoomPercent / 100.0, height * state.zoomPercent / 100.0);
  // A zoom that would leave no pixel in a direction keeps one.
  const auto zoomed = [&](int side) {
    return std::max<std::int64_t>(1, std::int64_t{side} * state.zoomPercent / 100);
  };
  images.Resize(kWorkingImage, static_cast<int>(zoomed(width)), static_cast<int>(zoomed(height)));
  const CropFrame& frame = state.frame;
  RedrawFrame(editor, frame.x, frame.y, frame.width, frame.height);
  MovePreview(editor);
  state.sizeRatio =
      width == 0 ? 0.0f : static_cast<float>(images.Width(kDisplayImage) * 100.0 / width);
  SetPictureSizeLabel(editor.gui, images.Width(kDisplayImage), images.Height(kDisplayImage),
                      RoundHalfEven(state.sizeRatio / state.fitDivisor));
  FollowZoom(editor, state.sizeRatio, state.fitDivisor);
}

}  // namespace kadrex

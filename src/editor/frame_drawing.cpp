#include "editor/frame_drawing.h"

#include <string>

#include "converter/working_image.h"
#include "editor/editor_window.h"

namespace kadrex {

void RedrawFrame(EditorContext& editor, int x, int y, int width, int height) {
  CropFrame& frame = editor.state.frame;
  frame.x = x;
  frame.y = y;
  frame.width = width;
  frame.height = height;
  editor.gui.SetText(kFrameSizeLabel, std::to_string(width) + "x" + std::to_string(height));
  ImageStore& images = editor.images;
  // An empty working image leaves the display empty too, not showing an older picture.
  if (images.Find(kWorkingImage) == nullptr) {
    images.CreateBlack(kDisplayImage, 0, 0);
  } else {
    images.Copy(kWorkingImage, kDisplayImage);
  }
  images.DrawOutline(kDisplayImage, x, y, width, height, frame.colour);
  editor.gui.ShowPicture(kPreviewView, images.Find(kDisplayImage));
}

void ClearFrame(EditorContext& editor) {
  RedrawFrame(editor, 0, 0, 0, 0);
  editor.state.frameBaseSet = false;
}

void FollowZoom(EditorContext& editor, float sizeRatio, int fitDivisor) {
  EditorState& state = editor.state;
  CropFrame& frame = state.frame;
  if (sizeRatio <= 0) {
    // No picture to follow: the frame stays as it is.
    RedrawFrame(editor, frame.x, frame.y, frame.width, frame.height);
    return;
  }
  if (!state.frameBaseSet) {
    const auto toBase = [&](int value) {
      return static_cast<float>(value / static_cast<double>(sizeRatio) * fitDivisor * 100.0);
    };
    state.frameBase = {toBase(frame.x), toBase(frame.y), toBase(frame.width), toBase(frame.height)};
    state.frameBaseSet = true;
  }
  const auto atZoom = [&](float base) {
    return RoundHalfEven(static_cast<double>(base) * sizeRatio / fitDivisor / 100.0);
  };
  const FrameBase& base = state.frameBase;
  RedrawFrame(editor, atZoom(base.x), atZoom(base.y), atZoom(base.width), atZoom(base.height));
}

}  // namespace kadrex

#include "editor/frame_editing.h"

#include <array>

#include "converter/working_image.h"
#include "editor/editor_window.h"
#include "editor/frame_drawing.h"
#include "editor/zoom.h"

namespace kadrex {

namespace {

// The frame's colours by the colour bar's position.
constexpr std::array<Colour, 4> kFrameColours{0x000000, 0x0000FF, 0xFF0000, 0xFFFFFF};

struct EdgeMove {
  int button;
  // What the move changes: x, y, width, height.
  int dx, dy, dWidth, dHeight;
};

constexpr EdgeMove kEdgeMoves[] = {
    {kTopEdgeUpButton, 0, -1, 0, 1},     {kTopEdgeDownButton, 0, 1, 0, -1},
    {kBottomEdgeUpButton, 0, 0, 0, -1},  {kBottomEdgeDownButton, 0, 0, 0, 1},
    {kLeftEdgeLeftButton, -1, 0, 1, 0},  {kLeftEdgeRightButton, 1, 0, -1, 0},
    {kRightEdgeLeftButton, 0, 0, -1, 0}, {kRightEdgeRightButton, 0, 0, 1, 0},
};

// The bound of each move: a moved edge stays inside the picture and a side never
// shrinks below one pixel.
bool EdgeCanMove(const EdgeMove& move, const CropFrame& frame, int width, int height) {
  if (move.dx < 0) return frame.x > 0;
  if (move.dy < 0) return frame.y > 0;
  if (move.dWidth < 0) return frame.width >= 2;
  if (move.dHeight < 0) return frame.height >= 2;
  if (move.dWidth > 0) return frame.x + frame.width < width;
  return frame.y + frame.height < height;
}

}  // namespace

void MoveFrameEdge(EditorContext& editor, int button) {
  editor.state.frameBaseSet = false;
  const CropFrame& frame = editor.state.frame;
  for (const EdgeMove& move : kEdgeMoves) {
    if (move.button != button) continue;
    if (!EdgeCanMove(move, frame, editor.images.Width(kDisplayImage),
                     editor.images.Height(kDisplayImage))) {
      return;
    }
    RedrawFrame(editor, frame.x + move.dx, frame.y + move.dy, frame.width + move.dWidth,
                frame.height + move.dHeight);
  }
}

void ChangeFrameColour(EditorContext& editor) {
  const int position = editor.gui.Value(kFrameColourBar);
  if (position < 0 || position >= static_cast<int>(kFrameColours.size())) return;
  CropFrame& frame = editor.state.frame;
  frame.colour = kFrameColours[position];
  RedrawFrame(editor, frame.x, frame.y, frame.width, frame.height);
}

void CropToFrame(EditorContext& editor) {
  const CropFrame& frame = editor.state.frame;
  ImageStore& images = editor.images;
  // A frame without area cuts nothing; nor does one that a smaller picture, loaded since,
  // no longer holds, which would otherwise bring back an older cut.
  if (frame.width == 0 || frame.height == 0 ||
      !images.Cut(kDisplayImage, kCropImage, frame.x, frame.y, frame.width, frame.height)) {
    return;
  }
  images.Copy(kCropImage, kWorkingImage);
  images.Copy(kCropImage, kReferenceImage);
  SetSizeFields(editor.gui, images.Width(kReferenceImage), images.Height(kReferenceImage));
  editor.gui.SetValue(kZoomBar, 100);
  ClearFrame(editor);
  editor.state.zoomPercent = 100 * editor.state.fitDivisor;
  ApplyZoom(editor);
}

}  // namespace kadrex

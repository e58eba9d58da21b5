#pragma once

#include "editor/editor_context.h"

namespace kadrex {

// Edge buttons 11 to 18: each moves one edge of the frame by one pixel, within the
// display image and never below one pixel a side.
void MoveFrameEdge(EditorContext& editor, int button);

// The frame colour bar: black, red, blue or white.
void ChangeFrameColour(EditorContext& editor);

// "Обрезать": the framed rectangle of the display image, outline included, becomes the
// picture, shown at 100 %.
void CropToFrame(EditorContext& editor);

}  // namespace kadrex

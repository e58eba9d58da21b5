#pragma once

#include "editor/editor_context.h"

namespace kadrex {

// The one way the frame is shown: stores it, labels it, draws it as a one-pixel outline
// on a fresh copy of the working image into the display image, and shows that.
void RedrawFrame(EditorContext& editor, int x, int y, int width, int height);

// No frame, and no zoom-independent copy of it: the next zoom keeps it cleared.
void ClearFrame(EditorContext& editor);

// The last step of every zoom: the frame keeps its place on the picture. The first zoom
// after a change of the frame takes it as it stands at the new zoom.
void FollowZoom(EditorContext& editor, float sizeRatio, int fitDivisor);

}  // namespace kadrex

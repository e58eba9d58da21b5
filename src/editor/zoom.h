#pragma once

#include "editor/editor_context.h"

namespace kadrex {

// Presents a picture just put into the working and reference images at full size:
// fills the size fields, fits it into the preview by halving it once when it is too
// large, and shows the reference image.
void ShowLoadedPicture(EditorContext& editor);

// The zoom gate of every control event, once the editor has been opened: zooms for the
// zoom bar, or while no zoom has been carried out yet. False when the zoom is refused
// (a side of 4000 pixels or more), which ends the handling of the event.
bool ZoomRule(EditorContext& editor, int control);

// Rebuilds the working and display images from the reference image at the zoom percent.
void ApplyZoom(EditorContext& editor);

}  // namespace kadrex

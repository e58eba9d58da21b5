#pragma once

#include "editor/display_scale.h"
#include "platform/gui.h"

namespace kadrex {

// The editor's fonts, made once at start-up and kept until the end.
inline constexpr int kLargeFont = 4;
inline constexpr int kMediumFont = 9;
inline constexpr int kSmallFont = 11;

void CreateEditorFonts(Gui& gui, DisplayScale scale);

}  // namespace kadrex

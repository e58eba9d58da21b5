#pragma once

#include "platform/gui.h"

namespace kadrex {

// Window 1 and the controls whose values a batch run reads.
inline constexpr int kConverterWindow = 1;
inline constexpr int kFormatBar = 2;
inline constexpr int kBatchWidthField = 6;
inline constexpr int kBatchHeightField = 7;
inline constexpr int kQualityField = 8;
inline constexpr int kOkButton = 9;
inline constexpr int kEditorButton = 10;

// Opens the converter window with its controls and its main menu.
void CreateConverterWindow(Gui& gui);

}  // namespace kadrex

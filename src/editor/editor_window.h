#pragma once

#include "editor/editor_context.h"

namespace kadrex {

inline constexpr int kEditorWindow = 0;
inline constexpr int kTopEdgeUpButton = 11;
inline constexpr int kTopEdgeDownButton = 12;
inline constexpr int kBottomEdgeUpButton = 13;
inline constexpr int kBottomEdgeDownButton = 14;
inline constexpr int kLeftEdgeLeftButton = 15;
inline constexpr int kLeftEdgeRightButton = 16;
inline constexpr int kRightEdgeLeftButton = 17;
inline constexpr int kRightEdgeRightButton = 18;
inline constexpr int kZoomBar = 23;
inline constexpr int kFrameColourBar = 24;
inline constexpr int kCropButton = 25;
inline constexpr int kSaveAsButton = 26;
inline constexpr int kTakeShownSizeButton = 27;
inline constexpr int kResetButton = 28;
inline constexpr int kPreviewView = 29;
inline constexpr int kWidthField = 31;
inline constexpr int kHeightField = 32;
inline constexpr int kFrameSizeLabel = 37;
inline constexpr int kPictureSizeLabel = 43;
inline constexpr int kPreviewArea = 48;
inline constexpr int kFromClipboardButton = 19;
inline constexpr int kOpenFileButton = 50;

// The save-as popup menu and its items, numbered after the main menu's.
inline constexpr int kSaveAsMenu = 1;
inline constexpr int kSaveJpegItem = 6;
inline constexpr int kSavePngItem = 7;
inline constexpr int kSaveBmpItem = 8;
inline constexpr int kSaveIcoItem = 9;

// Opens window 0 anew with every control in its first state, the image view at the
// current preview offset showing the working image, and the save-as menu.
void CreateEditorWindow(EditorContext& editor);

// Writes a width and height into the size fields as plain decimal text.
void SetSizeFields(Gui& gui, int width, int height);

}  // namespace kadrex

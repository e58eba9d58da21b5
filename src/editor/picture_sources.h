#pragma once

#include "editor/editor_context.h"

namespace kadrex {

// Control 10 of the converter window: builds the editor window anew and presents the
// last source picture (from the hand-off file while no files were chosen).
void OpenEditor(EditorContext& editor);

// "Открыть файл": one picture from a file dialog.
void OpenPictureFile(EditorContext& editor);

// "Из буфера": the clipboard's picture, passed through a temporary BMP file.
void PasteFromClipboard(EditorContext& editor);

// " <<< ": the size fields take the shown picture's size.
void TakeShownSize(EditorContext& editor);

// " СБРОС ВСЕХ ДЕЙСТВИЙ ": back to the picture as loaded, without a frame, at 100 %.
void ResetAllActions(EditorContext& editor);

}  // namespace kadrex

#pragma once

#include <string>

#include "editor/editor_context.h"

namespace kadrex {

// What the save-as commands keep between saves.
struct SaveAsContext {
  explicit SaveAsContext(EditorContext& editor) : editor(editor) {}

  EditorContext& editor;
  Colour iconTransparentColour = 0;
  std::string chosenName;
  std::string iconFileName;
};

// "Сохранить как": the save-as menu under the button.
void ShowSaveAsMenu(SaveAsContext& save);

// A save-as menu item: the shown picture, resized to the size fields, saved under a
// typed name with the item's extension appended, as JPEG, PNG, BMP or icon.
void SaveAs(SaveAsContext& save, int item);

}  // namespace kadrex

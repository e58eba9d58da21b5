#include "editor/editor_fonts.h"

namespace kadrex {

namespace {

constexpr const char* kEditorFontFace = "Arial";

struct FontSpec {
  int number;
  int designPoints;
};

constexpr FontSpec kEditorFonts[] = {{kLargeFont, 16}, {kMediumFont, 12}, {kSmallFont, 8}};

}  // namespace

void CreateEditorFonts(Gui& gui, DisplayScale scale) {
  for (const FontSpec& font : kEditorFonts) {
    gui.MakeFont(font.number, kEditorFontFace, Scaled(font.designPoints, scale.y), true);
  }
}

}  // namespace kadrex

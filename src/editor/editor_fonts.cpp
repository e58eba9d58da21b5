#include "editor/editor_fonts.h"

namespace kadrex {

namespace {

constexpr const char* kEditorFontFace = "Arial";

struct FontSpec {
  int font;
  int designPoints;
};

constexpr FontSpec kEditorFonts[] = {{kLargeFont, 16}, {kMediumFont, 12}, {kSmallFont, 8}};

}  // namespace

void CreateEditorFonts(Gui& gui, DisplayScale scale) {
  for (const FontSpec& spec : kEditorFonts) {
    gui.MakeFont(spec.font, kEditorFontFace, Scaled(spec.designPoints, scale.y), true);
  }
}

}  // namespace kadrex

#pragma once

#include <string_view>

namespace kadrex::tools {

// A tiny 5 x 7 pixel font with the letters the built-in picture writes, drawn with each
// font pixel as a scale x scale block and one empty column between letters.
inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;

int TextWidth(std::string_view text, int scale);
int TextHeight(int scale);
// True when the pixel at (x, y), relative to the text's top-left corner, is inked.
bool TextPixel(std::string_view text, int scale, int x, int y);

}  // namespace kadrex::tools

#include "picture/bitmap_font.h"

#include <array>

namespace kadrex::tools {

namespace {

struct Glyph {
  char letter;
  std::array<std::string_view, kGlyphHeight> rows;
};

constexpr std::array kGlyphs{
    Glyph{'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    Glyph{'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
    Glyph{'d', {"....#", "....#", ".##.#", "#..##", "#...#", "#...#", ".####"}},
    Glyph{'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."}},
    Glyph{'e', {".....", ".....", ".###.", "#...#", "#####", "#....", ".###."}},
    Glyph{'x', {".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"}},
};

const Glyph* FindGlyph(char letter) {
  for (const Glyph& glyph : kGlyphs) {
    if (glyph.letter == letter) return &glyph;
  }
  return nullptr;
}

constexpr int kAdvance = kGlyphWidth + 1;

}  // namespace

int TextWidth(std::string_view text, int scale) {
  return text.empty() ? 0 : (static_cast<int>(text.size()) * kAdvance - 1) * scale;
}

int TextHeight(int scale) { return kGlyphHeight * scale; }

bool TextPixel(std::string_view text, int scale, int x, int y) {
  if (x < 0 || y < 0 || x >= TextWidth(text, scale) || y >= TextHeight(scale)) return false;
  const int column = x / scale;
  const Glyph* glyph = FindGlyph(text[column / kAdvance]);
  const int glyphColumn = column % kAdvance;
  return glyph != nullptr && glyphColumn < kGlyphWidth &&
         glyph->rows[y / scale][glyphColumn] == '#';
}

}  // namespace kadrex::tools

#include "files/export/SampleLayout.h"

#include <algorithm>

namespace vantor::files {

namespace {

const BitmapFontChar* Find(const BitmapFontDescription& font, char32_t codePoint) {
  const auto found = std::find_if(font.chars.begin(), font.chars.end(),
                                  [codePoint](const BitmapFontChar& c) { return c.id == codePoint; });
  return found == font.chars.end() ? nullptr : &*found;
}

int KerningAmount(const BitmapFontDescription& font, char32_t first, char32_t second) {
  for (const BitmapFontKerning& pair : font.kernings) {
    if (pair.first == first && pair.second == second) return pair.amount;
  }
  return 0;
}

}  // namespace

SampleLayout LayOutSample(const BitmapFontDescription& font, std::u32string_view text, int missingAdvance) {
  SampleLayout layout;
  layout.lineHeight = font.lineHeight;
  int x = 0;
  int top = 0;
  // No pair spans a gap or a line break: engines look pairs up between drawn characters.
  char32_t previous = 0;
  for (const char32_t codePoint : text) {
    if (codePoint == U'\n') {
      layout.lineWidths.push_back(x);
      x = 0;
      top += font.lineHeight;
      previous = 0;
      continue;
    }
    PlacedGlyph placed{codePoint, Find(font, codePoint), x, top, missingAdvance};
    if (placed.glyph != nullptr) {
      if (previous != 0) x += KerningAmount(font, previous, codePoint);
      placed.x = x + placed.glyph->xoffset;
      placed.y = top + placed.glyph->yoffset;
      placed.advance = placed.glyph->xadvance;
      previous = codePoint;
    } else {
      placed.x = x;
      previous = 0;
    }
    x += placed.advance;
    layout.glyphs.push_back(placed);
  }
  layout.lineWidths.push_back(x);
  layout.height = static_cast<int>(layout.lineWidths.size()) * font.lineHeight;
  return layout;
}

}  // namespace vantor::files

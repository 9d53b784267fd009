#pragma once

// Where a game engine puts each character of a text drawn with a written
// descriptor: the pen starts at the left of the first line, a character's box
// goes to pen + (xoffset, yoffset), the pen moves by xadvance, and a kerning
// pair moves it by its amount before its second character; a line break starts
// the next line lineHeight lower. A character the descriptor lacks leaves a gap
// of `missingAdvance`, marked so a view can show it.
//
//   const SampleLayout sample = LayOutSample(DescribeFont(engine, layout, pages), U"Hello", 8);
//   for (const PlacedGlyph& glyph : sample.glyphs) ... draw its box at glyph.x, glyph.y

#include "files/formats/bmfont/BitmapFont.h"

#include <string_view>
#include <vector>

namespace vantor::files {

/// One character of a laid-out text.
struct PlacedGlyph {
  char32_t codePoint = 0;
  const BitmapFontChar* glyph = nullptr;  ///< its record in the description; null when the font lacks it
  int x = 0;        ///< left of its box (of the gap, when missing)
  int y = 0;        ///< top of its box (of its line, when missing)
  int advance = 0;  ///< how far the pen moved for it (missingAdvance for a gap)
};

/// A text laid out line by line.
struct SampleLayout {
  std::vector<PlacedGlyph> glyphs;  ///< every character but line breaks, in text order
  std::vector<int> lineWidths;      ///< each line's pen position after its last character
  int lineHeight = 0;               ///< the font's line height
  int height = 0;                   ///< lines times lineHeight
};

/// Lays `text` out as an engine draws it with `font`; `font` must outlive the result.
SampleLayout LayOutSample(const BitmapFontDescription& font, std::u32string_view text, int missingAdvance);

}  // namespace vantor::files

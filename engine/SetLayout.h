#pragma once

#include "engine/GlyphRecord.h"

#include <cstdint>
#include <vector>

namespace vantor {

/// One character of a character set as laid out: its code point, its page and its place there.
struct SetGlyph {
  char32_t codePoint = 0;
  std::int32_t page = 0;     ///< the page it lies on, from 0
  GlyphRecord record;        ///< its cell on that page, as the texture's records are
  std::int32_t advance = 0;  ///< the measured width, without the overhang

  friend bool operator==(const SetGlyph&, const SetGlyph&) = default;
};

/// A set of Unicode characters laid out on one or more pages of one width.
struct SetLayout {
  std::int32_t width = 0;                ///< width of every page, in pixels
  std::vector<std::int32_t> pageHeights; ///< height of page i, a power of two
  std::vector<SetGlyph> glyphs;          ///< the characters the face has, in code-point order
  std::vector<char32_t> missing;         ///< the characters of the set the face lacks, in code-point order
  std::int32_t cellHeight = 0;           ///< height of every cell (the row step without the leading)
  std::int32_t ascent = 0;               ///< pixels from a cell's top to the baseline, without a field's growth
};

}  // namespace vantor

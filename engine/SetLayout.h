#pragma once

// A font as laid out on pages: each character's box, where it stands against
// the pen and the line, and how far it moves the pen. Two layouts fill it:
// cells (the texture's row rule; a box is the character's whole cell) and
// packed glyph boxes (a box is the character's own ink plus padding, packed
// on as few and as small pages as hold them). Offsets are chosen so that text
// set from either stands on the same pen positions and baseline.

#include "engine/Effects.h"
#include "engine/GlyphRecord.h"
#include "engine/TextureSize.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantor {

/// One character of a character set as laid out: its code point, its page and its place there.
struct SetGlyph {
  char32_t codePoint = 0;
  std::int32_t page = 0;     ///< the page it lies on, from 0
  GlyphRecord record;        ///< its box's top-left corner on that page and the box's width
  std::int32_t advance = 0;  ///< the measured width, without the overhang
  std::int32_t height = 0;   ///< the box's height
  std::int32_t xoffset = 0;  ///< from the pen to the box's left edge
  std::int32_t yoffset = 0;  ///< from the line's top to the box's top
  std::int32_t byte = -1;    ///< the texture's byte it is drawn as; -1: drawn by its code point
  std::int32_t face = 0;     ///< the face it is drawn from: 0 the font's, k its fallback face k

  friend bool operator==(const SetGlyph&, const SetGlyph&) = default;
};

/// A set of Unicode characters laid out on one or more pages.
struct SetLayout {
  std::int32_t width = 0;                ///< width of the widest page, in pixels
  std::vector<std::int32_t> pageHeights; ///< height of page i (a power of two unless packed without)
  std::vector<std::int32_t> pageWidths;  ///< width of page i when packed; empty: every page is `width` wide
  std::vector<SetGlyph> glyphs;          ///< the characters the face has, in code-point order
  std::vector<char32_t> missing;         ///< the characters of the set no face has, in code-point order
  std::int32_t cellHeight = 0;           ///< height of every cell (the row step without the leading)
  std::int32_t ascent = 0;               ///< pixels from a cell's top to the baseline, without a field's growth
  bool packed = false;                   ///< boxes are glyph boxes, drawn without their cells' background
  std::array<int, 4> padding{};          ///< pixels around each glyph box's ink: up, right, down, left
  std::array<int, 2> spacing{};          ///< least gap between glyph boxes: horizontal, vertical
  Effects effects;                       ///< what glyph boxes hold besides the glyph; pages hold colour when Any()

  /// Width and height of page `page`.
  TextureSize PageSize(std::size_t page) const {
    return {page < pageWidths.size() ? pageWidths[page] : width, pageHeights[page]};
  }
};

}  // namespace vantor

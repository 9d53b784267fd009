#pragma once

// Glyph boxes: each character's box is its own ink (the rendered bitmap, with a
// distance field's spread inside it) grown by the padding, and the boxes are
// packed on pages by PackBoxes. The offsets keep every character where the
// cell layout set it: the same pen positions, the same baseline.

#include "engine/SetLayout.h"

#include <array>
#include <cstddef>
#include <optional>

namespace vantor {

/// How glyph boxes are made and placed.
struct BoxRules {
  std::array<int, 4> padding{};  ///< pixels around the ink: up, right, down, left (0..64)
  int spacingX = 1;              ///< least horizontal gap between boxes (0..64)
  int spacingY = 1;              ///< least vertical gap between boxes (0..64)
  int maxWidth = 4096;           ///< widest page
  int maxHeight = 4096;          ///< tallest page
  bool powerOfTwo = true;        ///< pages the smallest powers of two holding their boxes; false: cropped

  friend bool operator==(const BoxRules&, const BoxRules&) = default;
};

/// A set as glyph boxes, or the character whose box no page can hold.
struct PackedSet {
  SetLayout layout;                    ///< packed; empty when refused
  std::optional<std::size_t> refused;  ///< index in the cells layout's glyphs of the first box too large
  int refusedWidth = 0;                ///< that box's size
  int refusedHeight = 0;
};

}  // namespace vantor

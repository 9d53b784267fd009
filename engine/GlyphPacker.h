#pragma once

// PackBoxes places boxes (a glyph's ink box plus its padding) on as few pages
// as it can, each page as small as it can be: every box lies inside its page,
// no two overlap, and boxes stand at least the spacing apart (page edges need
// no gap). The same input always gives the same output. A box no page can hold
// is refused by index; nothing is placed then.
//
//   std::vector<vantor::BoxSize> sizes = {{12, 18}, {0, 0}, {9, 20}};
//   const vantor::PackedPages packed = vantor::PackBoxes(sizes, {.maxWidth = 1024, .maxHeight = 1024});
//   if (packed.refused) return;  // box *packed.refused is too large (or negative)
//   for (std::size_t i = 0; i < sizes.size(); ++i) {
//     const vantor::PackedBox& at = packed.boxes[i];   // draw glyph i at (at.x, at.y) of page at.page
//   }
//   // page p is packed.pages[p].width × packed.pages[p].height

#include "engine/TextureSize.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace vantor {

/// Width and height of one box to place, in pixels; zero for a box that takes no room.
struct BoxSize {
  int width = 0;
  int height = 0;
};

/// How boxes go on pages; values out of range are clamped (sides to 0..2^30, spacing to 0..64).
struct PackRules {
  int maxWidth = 4096;     ///< widest page, in pixels (rounded down to a power of two with powerOfTwo)
  int maxHeight = 4096;    ///< tallest page, in pixels (rounded down to a power of two with powerOfTwo)
  int spacingX = 1;        ///< least horizontal gap between boxes side by side
  int spacingY = 1;        ///< least vertical gap between boxes one above the other
  bool powerOfTwo = true;  ///< page sides the smallest powers of two holding the boxes; false: the used extent
};

/// Where one box lies: its page and its top-left corner there.
struct PackedBox {
  int page = 0;
  int x = 0;
  int y = 0;

  friend bool operator==(const PackedBox&, const PackedBox&) = default;
};

/// The boxes as placed and the pages they lie on.
struct PackedPages {
  std::vector<PackedBox> boxes;        ///< box i's place, one per input box; empty when refused
  std::vector<TextureSize> pages;      ///< size of page i, each at least 1 × 1; none for no boxes or when refused
  std::optional<std::size_t> refused;  ///< the first box with a negative side or wider or taller than the largest page

  friend bool operator==(const PackedPages&, const PackedPages&) = default;
};

/// Packs `sizes` on pages by `rules`; boxes of zero width or height lie at (0, 0) of page 0.
PackedPages PackBoxes(const std::vector<BoxSize>& sizes, const PackRules& rules);

}  // namespace vantor

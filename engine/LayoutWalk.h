#pragma once

#include "platform/MemoryContext.h"

#include <cstddef>
#include <cstdint>
#include <limits>

namespace vantor {

/// What the layout walk keeps to: the texture width, the font's overhang, the
/// leading and kerning settings, and the height no page may pass.
struct LayoutRules {
  std::int64_t textureWidth = 0;
  std::int64_t overhang = 0;
  std::int64_t leading = 0;
  std::int64_t kerning = 0;
  std::int64_t pageHeight = std::numeric_limits<std::int64_t>::max();  ///< no limit unless set
};

/// The cell of one character as the layout walk places it.
struct Cell {
  std::size_t index = 0;     ///< the character's place in the walk, from 0
  std::int64_t page = 0;     ///< the page it lies on, from 0
  std::int64_t x = 0;        ///< left edge of the cell
  std::int64_t y = 0;        ///< top of the cell's row on its page
  std::int64_t width = 0;    ///< measured width plus the overhang
  std::int64_t advance = 0;  ///< measured width
  std::int64_t height = 0;   ///< cell height
};

/// Where a layout walk ended: its last page and the top of that page's last row.
struct LayoutEnd {
  std::int64_t page = 0;
  std::int64_t lastRow = 0;
};

/// Walks `count` characters left to right in rows of the texture width, calling
/// `measure(i)` (a platform::Extent) for each and `visit(cell)` where it lands.
/// A character that would reach the right edge (x + w >= W) starts a new row,
/// the first of a row included; a new row whose cells would pass the page height
/// starts the next page at its top (or the top of the same page while it holds nothing).
template <typename Measure, typename Visit>
LayoutEnd LayOut(std::size_t count, const LayoutRules& rules, Measure measure, Visit visit) {
  std::int64_t page = 0;
  std::int64_t x = 0;
  std::int64_t y = 0;
  bool pageUsed = false;
  for (std::size_t i = 0; i < count; ++i) {
    const platform::Extent extent = measure(i);
    const std::int64_t w = extent.cx + rules.overhang;
    if (x + w >= rules.textureWidth) {
      y += extent.cy + rules.leading;
      x = 0;
      if (y + extent.cy > rules.pageHeight) {
        if (pageUsed) ++page;
        y = 0;
      }
    }
    visit(Cell{i, page, x, y, w, extent.cx, extent.cy});
    pageUsed = true;
    x += w + rules.kerning;
  }
  return {page, y};
}

}  // namespace vantor

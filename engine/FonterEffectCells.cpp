// Cells that hold a glyph's effects: the texture's row rule walked again with
// every cell grown by as much as the outline and shadow reach past it.
#include "engine/Fonter.h"
#include "engine/GlyphEffects.h"
#include "engine/LayoutWalk.h"
#include "engine/TextureHeight.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vantor {

namespace {

enum Side { kUp, kRight, kDown, kLeft };

// How far past its cell a glyph's layers reach on each side; none inside.
std::array<int, 4> Reach(const SetGlyph& glyph, const GlyphLayers& layers) {
  const platform::Rect extent = ExtentOf(layers);
  if (extent.Empty()) return {};
  // The layers stand against the cell corner, which lies the offsets back from the box's corner.
  return {std::max(0, glyph.yoffset - extent.top), std::max(0, extent.right - glyph.xoffset - glyph.record.width),
          std::max(0, extent.bottom - glyph.yoffset - glyph.height), std::max(0, glyph.xoffset - extent.left)};
}

}  // namespace

SetLayout Fonter::GrowCells(const SetLayout& cells, const Effects& effects) {
  platform::SizedFace* face = DrawingFace();
  if (!effects.Any() || cells.packed || FieldSpread() > 0 || face == nullptr) return cells;
  PrepareEffectLayers(*face, cells.glyphs, effects);
  // Each cell widens by what its own glyph's effects reach left and right; every row
  // grows by the most any reaches up and down, so that rows stay of one height.
  std::vector<std::array<int, 4>> reach;
  reach.reserve(cells.glyphs.size());
  int up = 0;
  int down = 0;
  for (const SetGlyph& glyph : cells.glyphs) {
    reach.push_back(Reach(glyph, EffectLayers(*face, glyph, effects)));
    up = std::max(up, reach.back()[kUp]);
    down = std::max(down, reach.back()[kDown]);
  }
  const int grownHeight = cells.cellHeight + up + down;

  SetLayout grown = cells;
  grown.effects = effects;
  grown.pageHeights.clear();
  grown.pageWidths.clear();
  grown.glyphs.clear();
  grown.glyphs.reserve(cells.glyphs.size());
  // Cells step as the texture's do.
  const LayoutRules rules{textureWidth, 0, leading, kerning, kMaxPageHeight};
  std::vector<std::int64_t> lastRows;
  LayOut(
      cells.glyphs.size(), rules,
      [&](std::size_t i) {
        return platform::Extent{cells.glyphs[i].record.width + reach[i][kLeft] + reach[i][kRight], grownHeight};
      },
      [&](const Cell& placed) {
        if (static_cast<std::size_t>(placed.page) >= lastRows.size()) lastRows.push_back(placed.y);
        lastRows.back() = placed.y;
        SetGlyph glyph = cells.glyphs[placed.index];
        glyph.page = static_cast<std::int32_t>(placed.page);
        glyph.record = {static_cast<std::int32_t>(placed.x), static_cast<std::int32_t>(placed.y),
                        static_cast<std::int32_t>(placed.width)};
        glyph.height = grownHeight;
        // The glyph stays on its pen and line: its cell corner lies the growth inside the grown cell.
        glyph.xoffset -= reach[placed.index][kLeft];
        glyph.yoffset -= up;
        grown.glyphs.push_back(glyph);
      });
  for (const std::int64_t lastRow : lastRows) {
    grown.pageHeights.push_back(static_cast<std::int32_t>(TextureHeight(lastRow + grownHeight)));
  }
  return grown;
}

}  // namespace vantor

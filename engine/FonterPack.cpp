#include "engine/FaceContexts.h"
#include "engine/Fonter.h"
#include "engine/GlyphEffects.h"
#include "engine/GlyphPacker.h"

#include "platform/MemoryContext.h"

#include <algorithm>

namespace vantor {

namespace {

enum Side { kUp, kRight, kDown, kLeft };

// The ink of glyph layers: every layer's coverage, against the cell corner.
platform::InkBox EffectInk(const GlyphLayers& layers) {
  const platform::Rect extent = ExtentOf(layers);
  if (extent.Empty()) return {};
  return {extent.left, extent.top, extent.right - extent.left, extent.bottom - extent.top};
}

}  // namespace

PackedSet Fonter::PackGlyphBoxes(const SetLayout& cells, const BoxRules& rules, const Effects& effects) {
  FaceContexts contexts(*this);
  platform::SizedFace* face = DrawingFace();
  // Effects are drawn from the font's face alone: a bake refuses them with fallback faces.
  const bool withEffects = effects.Any() && FieldSpread() == 0 && face != nullptr;
  if (withEffects) PrepareEffectLayers(*face, cells.glyphs, effects);

  // Each box is the ink grown by the padding; a character without ink takes no room.
  std::vector<platform::InkBox> inks;
  std::vector<BoxSize> sizes;
  inks.reserve(cells.glyphs.size());
  sizes.reserve(cells.glyphs.size());
  for (const SetGlyph& glyph : cells.glyphs) {
    platform::MemoryContext& context = contexts[glyph.face];
    platform::InkBox ink = withEffects      ? EffectInk(EffectLayers(*face, glyph, effects))
                           : glyph.byte >= 0 ? context.GetInkBox(static_cast<std::uint8_t>(glyph.byte))
                                             : context.GetCodePointInkBox(glyph.codePoint);
    // A fallback face's ink stands on the font's baseline.
    ink.top += contexts.Shift(glyph.face);
    inks.push_back(ink);
    if (ink.width == 0 || ink.height == 0) {
      sizes.push_back({});
    } else {
      const auto& pad = rules.padding;
      sizes.push_back({ink.width + pad[kLeft] + pad[kRight], ink.height + pad[kUp] + pad[kDown]});
    }
  }

  const PackedPages packed =
      PackBoxes(sizes, {rules.maxWidth, rules.maxHeight, rules.spacingX, rules.spacingY, rules.powerOfTwo});
  PackedSet result;
  if (packed.refused) {
    result.refused = packed.refused;
    result.refusedWidth = sizes[*packed.refused].width;
    result.refusedHeight = sizes[*packed.refused].height;
    return result;
  }

  SetLayout& layout = result.layout;
  layout.packed = true;
  layout.cellHeight = cells.cellHeight;
  layout.ascent = cells.ascent;
  layout.missing = cells.missing;
  layout.padding = rules.padding;
  layout.spacing = {rules.spacingX, rules.spacingY};
  if (withEffects) layout.effects = effects;
  std::vector<TextureSize> pages = packed.pages;
  // Characters without ink still name a page: the smallest there is.
  if (pages.empty() && !cells.glyphs.empty()) pages.push_back({1, 1});
  for (const TextureSize& page : pages) {
    layout.width = std::max(layout.width, page.width);
    layout.pageWidths.push_back(page.width);
    layout.pageHeights.push_back(page.height);
  }
  layout.glyphs.reserve(cells.glyphs.size());
  const int spread = FieldSpread();
  for (std::size_t i = 0; i < cells.glyphs.size(); ++i) {
    SetGlyph glyph = cells.glyphs[i];
    const PackedBox& at = packed.boxes[i];
    glyph.page = at.page;
    glyph.record = {at.x, at.y, sizes[i].width};
    glyph.height = sizes[i].height;
    if (sizes[i].width == 0) {
      glyph.xoffset = 0;
      glyph.yoffset = 0;
    } else {
      // The ink stands where the cell put it: its corner against the cell's, less
      // the field's growth (the pen and line top lie that far inside the cell).
      glyph.xoffset = inks[i].left - spread - rules.padding[kLeft];
      glyph.yoffset = inks[i].top - spread - rules.padding[kUp];
    }
    layout.glyphs.push_back(glyph);
  }
  return result;
}

}  // namespace vantor

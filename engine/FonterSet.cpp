#include "engine/Fonter.h"
#include "engine/LayoutWalk.h"
#include "engine/TextureHeight.h"

#include "platform/MemoryContext.h"

#include <algorithm>

namespace vantor {

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

}  // namespace

SetLayout Fonter::LayOutSet(const std::vector<char32_t>& codePoints) {
  platform::MemoryContext context(fontSystem);
  context.SelectFont(font.get());
  context.SetFieldSpread(FieldSpread());

  SetLayout layout;
  std::vector<char32_t> present;
  present.reserve(codePoints.size());
  for (const char32_t codePoint : codePoints) {
    (context.HasCodePoint(codePoint) ? present : layout.missing).push_back(codePoint);
  }
  context.RenderAhead(present);

  layout.width = textureWidth;
  layout.cellHeight = context.GetTextExtent('A').cy;
  if (const platform::SizedFace* face = DrawingFace()) layout.ascent = face->Ascent();
  const LayoutRules rules{textureWidth, context.GetOverhang(), leading, kerning, kMaxPageHeight};
  std::vector<std::int64_t> lastRows;
  layout.glyphs.reserve(present.size());
  LayOut(
      present.size(), rules, [&](std::size_t i) { return context.GetCodePointExtent(present[i]); },
      [&](const Cell& placed) {
        if (static_cast<std::size_t>(placed.page) >= lastRows.size()) lastRows.push_back(placed.y);
        lastRows.back() = placed.y;
        // Places stay within a page and a few thousand pixels of its left edge; they fit 32 bits.
        layout.glyphs.push_back({present[placed.index], static_cast<std::int32_t>(placed.page),
                                 {static_cast<std::int32_t>(placed.x), static_cast<std::int32_t>(placed.y),
                                  static_cast<std::int32_t>(placed.width)},
                                 // The advance without the distance field's growth.
                                 static_cast<std::int32_t>(placed.advance - 2 * FieldSpread()),
                                 // The cell grew by the spread on every side; the pen and line stand inside it.
                                 layout.cellHeight, -FieldSpread(), -FieldSpread()});
      });
  // Each page as high as the texture would be: its last row's top plus the cell, raised to a power of two.
  for (const std::int64_t lastRow : lastRows) {
    layout.pageHeights.push_back(static_cast<std::int32_t>(TextureHeight(lastRow + layout.cellHeight)));
  }
  return layout;
}

std::unique_ptr<platform::Bitmap> Fonter::DrawSetPage(const SetLayout& layout, std::size_t page) {
  if (page >= layout.pageHeights.size()) return nullptr;
  const TextureSize size = layout.PageSize(page);
  std::unique_ptr<platform::Bitmap> image = platform::Bitmap::Create(size.width, size.height);
  if (!image) return nullptr;

  // A new image is black already: only the characters are drawn, as the texture's are.
  // Cells are painted as the texture's are; glyph boxes hold their ink alone.
  platform::MemoryContext context(fontSystem);
  context.SelectFont(font.get());
  context.SetFieldSpread(FieldSpread());
  context.SelectBitmap(image.get());
  context.SetBkColor(kBlack);
  context.SetTextColor(kWhite);
  context.SetBkMode(layout.packed ? platform::BackgroundMode::Transparent : platform::BackgroundMode::Opaque);
  for (const SetGlyph& glyph : layout.glyphs) {
    if (static_cast<std::size_t>(glyph.page) != page) continue;
    // The character's cell corner: the pen and line top, less the field's growth.
    const std::int64_t x = std::int64_t{glyph.record.x} - glyph.xoffset - FieldSpread();
    const std::int64_t y = std::int64_t{glyph.record.y} - glyph.yoffset - FieldSpread();
    if (glyph.byte >= 0) {
      context.TextOut(x, y, static_cast<std::uint8_t>(glyph.byte));
    } else {
      context.TextOutCodePoint(x, y, glyph.codePoint);
    }
  }
  return image;
}

}  // namespace vantor

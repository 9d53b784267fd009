#include "engine/FaceContexts.h"
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
  FaceContexts contexts(*this);
  platform::MemoryContext& context = contexts[0];

  // Each character from the first face that has it: the font's, then its fallbacks in order.
  SetLayout layout;
  std::vector<char32_t> present;
  std::vector<int> faces;
  std::vector<std::vector<char32_t>> ahead(fallbackFonts_.size() + 1);
  present.reserve(codePoints.size());
  for (const char32_t codePoint : codePoints) {
    const int face = FaceFor(codePoint);
    if (face < 0) {
      layout.missing.push_back(codePoint);
      continue;
    }
    present.push_back(codePoint);
    faces.push_back(face);
    ahead[static_cast<std::size_t>(face)].push_back(codePoint);
  }
  for (std::size_t face = 0; face < ahead.size(); ++face) {
    if (!ahead[face].empty()) contexts[static_cast<int>(face)].RenderAhead(ahead[face]);
  }

  layout.width = textureWidth;
  layout.cellHeight = context.GetTextExtent('A').cy;
  if (const platform::SizedFace* face = DrawingFace()) layout.ascent = face->Ascent();
  const LayoutRules rules{textureWidth, context.GetOverhang(), leading, kerning, kMaxPageHeight};
  std::vector<std::int64_t> lastRows;
  layout.glyphs.reserve(present.size());
  LayOut(
      present.size(), rules,
      [&](std::size_t i) {
        // Every row steps by the font's cell, whichever face draws its characters.
        platform::Extent extent = contexts[faces[i]].GetCodePointExtent(present[i]);
        extent.cy = layout.cellHeight;
        return extent;
      },
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
                                 layout.cellHeight, -FieldSpread(), -FieldSpread(), -1, faces[placed.index]});
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
  FaceContexts contexts(*this);
  contexts.SelectBitmap(image.get());
  for (const SetGlyph& glyph : layout.glyphs) {
    if (static_cast<std::size_t>(glyph.page) != page) continue;
    platform::MemoryContext& context = contexts[glyph.face];
    context.SetBkColor(kBlack);
    context.SetTextColor(kWhite);
    // A fallback face's cell is not the font's: its background would cover the rows beside it.
    const bool opaque = !layout.packed && glyph.face == 0;
    context.SetBkMode(opaque ? platform::BackgroundMode::Opaque : platform::BackgroundMode::Transparent);
    // The character's cell corner: the pen and line top, less the field's growth
    // (a fallback face's cell lower or higher, so that its baseline is the font's).
    const std::int64_t x = std::int64_t{glyph.record.x} - glyph.xoffset - FieldSpread();
    const std::int64_t y = std::int64_t{glyph.record.y} - glyph.yoffset - FieldSpread() + contexts.Shift(glyph.face);
    if (glyph.byte >= 0) {
      context.TextOut(x, y, static_cast<std::uint8_t>(glyph.byte));
    } else {
      context.TextOutCodePoint(x, y, glyph.codePoint);
    }
  }
  return image;
}

}  // namespace vantor

#include "files/export/DescribeFont.h"

#include "platform/RenderMode.h"

#include <algorithm>

namespace vantor::files {

namespace {

BitmapFontInfo DescribeInfo(Fonter& engine, const SetLayout& layout) {
  BitmapFontInfo info;
  info.face = engine.GetFullFaceName();
  info.size = engine.GetHeight();
  info.bold = engine.GetWeight() >= platform::kBoldFrom;
  info.italic = engine.IsItalic();
  info.smooth = engine.GetQuality() != platform::kNonAntialiasedQuality;
  // A distance field's spread is padding the field fills; a shader reads its type and spread from the descriptor.
  for (std::size_t side = 0; side < layout.padding.size(); ++side) info.padding[side] = layout.padding[side] + engine.FieldSpread();
  info.spacing[0] = layout.spacing[0];
  info.spacing[1] = layout.spacing[1];
  info.outline = layout.effects.outline;
  info.colour = layout.effects.Any();
  if (engine.FieldSpread() > 0) {
    info.fieldType = "sdf";
    info.fieldSpread = engine.FieldSpread();
  }
  return info;
}

}  // namespace

BitmapFontDescription DescribeFont(Fonter& engine, const SetLayout& layout, const std::vector<std::string>& pageNames) {
  BitmapFontDescription font;
  font.info = DescribeInfo(engine, layout);
  // One scale for all pages: the tallest, which the full pages have.
  font.scaleW = layout.width;
  font.scaleH = layout.pageHeights.empty() ? 0 : *std::max_element(layout.pageHeights.begin(), layout.pageHeights.end());
  font.pages = pageNames;
  if (layout.cellHeight <= 0) return font;  // nothing could measure the characters
  // The cells grew by a distance field's spread on every side; rows step as the font's cells do.
  const int spread = engine.FieldSpread();
  const int cellHeight = layout.cellHeight - 2 * spread;
  font.lineHeight = cellHeight + engine.leading;
  font.base = layout.ascent;

  std::vector<std::uint32_t> ids;
  ids.reserve(layout.glyphs.size());
  for (const SetGlyph& glyph : layout.glyphs) {
    BitmapFontChar c;
    c.id = glyph.codePoint;
    c.x = glyph.record.x;
    c.y = glyph.record.y;
    c.width = glyph.record.width;
    c.height = glyph.height;
    c.xoffset = glyph.xoffset;
    c.yoffset = glyph.yoffset;
    // The extra letter spacing moves the pen after every character that moves it; a mark keeps its zero.
    c.xadvance = glyph.advance == 0 ? 0 : glyph.advance + engine.kerning;
    c.page = glyph.page;
    font.chars.push_back(c);
    ids.push_back(glyph.codePoint);
  }
  for (const platform::KerningPair& pair : engine.Kerning(ids)) {
    font.kernings.push_back({pair.first, pair.second, pair.amount});
  }
  return font;
}

}  // namespace vantor::files

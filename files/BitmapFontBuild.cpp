#include "files/BitmapFontBuild.h"

#include "platform/Kerning.h"
#include "platform/SizedFace.h"

#include <algorithm>
#include <set>

namespace vantor::files {

namespace {

constexpr std::uint8_t kMonoQuality = 3;  // NONANTIALIASED_QUALITY
constexpr std::int32_t kBoldFrom = 600;

BitmapFontInfo DescribeInfo(const Fonter& engine) {
  BitmapFontInfo info;
  info.face = engine.GetFaceName();
  info.size = engine.GetHeight();
  info.bold = engine.GetWeight() >= kBoldFrom;
  info.italic = engine.IsItalic();
  info.smooth = engine.GetQuality() != kMonoQuality;
  if (engine.FieldSpread() > 0) {
    // A shader reads the field type and spread from the descriptor alone.
    for (int& side : info.padding) side = engine.FieldSpread();
    info.fieldType = "sdf";
    info.fieldSpread = engine.FieldSpread();
  }
  return info;
}

// The box of a character: its cell, grown on every side by a distance field's
// spread, with the offsets that put the grown box where the cell would be.
void GrowForField(const Fonter& engine, int cellHeight, BitmapFontChar& c) {
  const int spread = engine.FieldSpread();
  c.height = cellHeight + 2 * spread;
  c.xoffset = -spread;
  c.yoffset = -spread;
}

}  // namespace

BitmapFontDescription DescribeBitmapFont(Fonter& engine, const std::string& pageName) {
  BitmapFontDescription font;
  font.info = DescribeInfo(engine);
  const TextureSize size = engine.GetTextureSize();
  font.scaleW = size.width;
  font.scaleH = size.height;
  font.pages = {pageName};
  platform::SizedFace* face = engine.DrawingFace();
  if (face == nullptr) return font;
  font.lineHeight = face->CellHeight() + engine.leading;
  font.base = face->Ascent();

  std::set<std::uint32_t> written;
  std::vector<std::uint32_t> ids;
  for (int i = 0; i < Fonter::kGlyphCount; ++i) {
    const auto byte = static_cast<std::uint8_t>(Fonter::kFirstCode + i);
    const std::int32_t codePoint = face->CodePoint(byte);
    if (codePoint < 0 || !face->HasGlyph(byte)) continue;
    const auto id = static_cast<std::uint32_t>(codePoint);
    if (!written.insert(id).second) continue;
    const GlyphRecord& record = engine.glyphs[i];
    BitmapFontChar c;
    c.id = id;
    c.x = record.x;
    c.y = record.y;
    c.width = record.width;
    GrowForField(engine, face->CellHeight(), c);
    c.xadvance = face->Glyph(byte).advance + engine.kerning;
    font.chars.push_back(c);
    ids.push_back(id);
  }
  for (const platform::KerningPair& pair : platform::FaceKerning(*face, ids)) {
    font.kernings.push_back({pair.first, pair.second, pair.amount});
  }
  return font;
}

BitmapFontDescription DescribeCharacterSet(Fonter& engine, const SetLayout& layout,
                                           const std::vector<std::string>& pageNames) {
  BitmapFontDescription font;
  font.info = DescribeInfo(engine);
  // One scale for all pages: the tallest, which the full pages have.
  font.scaleW = layout.width;
  font.scaleH = layout.pageHeights.empty() ? 0 : *std::max_element(layout.pageHeights.begin(), layout.pageHeights.end());
  font.pages = pageNames;
  platform::SizedFace* face = engine.DrawingFace();
  if (face == nullptr) return font;
  // The cells grew by a distance field's spread on both sides; rows step as the font's cells do.
  const int cellHeight = layout.cellHeight - 2 * engine.FieldSpread();
  font.lineHeight = cellHeight + engine.leading;
  font.base = face->Ascent();

  std::vector<std::uint32_t> ids;
  ids.reserve(layout.glyphs.size());
  for (const SetGlyph& glyph : layout.glyphs) {
    BitmapFontChar c;
    c.id = glyph.codePoint;
    c.x = glyph.record.x;
    c.y = glyph.record.y;
    c.width = glyph.record.width;
    GrowForField(engine, cellHeight, c);
    c.xadvance = glyph.advance + engine.kerning;
    c.page = glyph.page;
    font.chars.push_back(c);
    ids.push_back(glyph.codePoint);
  }
  if (ids.size() <= kMaxKernedCharacters) {
    for (const platform::KerningPair& pair : platform::FaceKerning(*face, ids)) {
      font.kernings.push_back({pair.first, pair.second, pair.amount});
    }
  }
  return font;
}

}  // namespace vantor::files

#include "EngineTesting.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace vantor {
namespace {

using testing_support::WithFace;

enum Side { kUp, kRight, kDown, kLeft };

std::vector<char32_t> TestedCharacters() {
  std::vector<char32_t> codePoints;
  for (char32_t c = 0x20; c <= 0x17F; ++c) codePoints.push_back(c);  // Latin with accents
  for (char32_t c = 0x300; c <= 0x36F; ++c) codePoints.push_back(c);  // combining marks
  for (char32_t c = 0x400; c <= 0x4FF; ++c) codePoints.push_back(c);  // Cyrillic
  return codePoints;
}

// The first fault of glyph `glyph`'s box on its page, against the character rendered
// alone (the face's own unclipped bitmap); empty when it holds exactly that ink, padded.
std::string BoxFault(Fonter& engine, const SetLayout& layout, const SetGlyph& glyph, const BoxRules& rules,
                     const platform::Bitmap& page) {
  platform::SizedFace& face = *engine.DrawingFace();
  const platform::RenderedGlyph& alone = face.CodePointGlyph(glyph.codePoint);
  std::ostringstream fault;
  fault << "U+" << std::hex << static_cast<std::uint32_t>(glyph.codePoint) << std::dec << ": ";
  if (alone.width == 0 || alone.rows == 0) {
    if (glyph.record.width != 0 || glyph.height != 0) fault << "a box for no ink";
    return fault.str().back() == ' ' ? "" : fault.str();
  }
  const auto& pad = rules.padding;
  if (glyph.record.width != alone.width + pad[kLeft] + pad[kRight] || glyph.height != alone.rows + pad[kUp] + pad[kDown]) {
    return fault.str() + "box " + std::to_string(glyph.record.width) + "x" + std::to_string(glyph.height);
  }
  if (glyph.record.x < 0 || glyph.record.y < 0 || glyph.record.x + glyph.record.width > page.Width() ||
      glyph.record.y + glyph.height > page.Height()) {
    return fault.str() + "box outside its page";
  }
  // The ink stands against the pen and the line's top where the cell layout sets it.
  if (glyph.xoffset + pad[kLeft] != alone.left || glyph.yoffset + pad[kUp] != layout.ascent - alone.top) {
    return fault.str() + "offsets " + std::to_string(glyph.xoffset) + "," + std::to_string(glyph.yoffset);
  }
  for (int y = 0; y < glyph.height; ++y) {
    for (int x = 0; x < glyph.record.width; ++x) {
      const int inkX = x - pad[kLeft];
      const int inkY = y - pad[kUp];
      const bool inInk = inkX >= 0 && inkY >= 0 && inkX < alone.width && inkY < alone.rows;
      const int expected = inInk ? alone.coverage[static_cast<std::size_t>(inkY * alone.width + inkX)] : 0;
      const int actual = static_cast<int>(page.Pixel(glyph.record.x + x, glyph.record.y + y) & 0xFF);
      if (actual != expected) return fault.str() + "pixel " + std::to_string(x) + "," + std::to_string(y);
    }
  }
  return {};
}

// Boxes `a` and `b` on one page stand at least the spacing apart.
bool Apart(const SetGlyph& a, const SetGlyph& b, const BoxRules& rules) {
  return a.record.x + a.record.width + rules.spacingX <= b.record.x ||
         b.record.x + b.record.width + rules.spacingX <= a.record.x || a.record.y + a.height + rules.spacingY <= b.record.y ||
         b.record.y + b.height + rules.spacingY <= a.record.y;
}

// For every character of Latin with accents, combining marks and Cyrillic, in each
// rendering: its box holds all of its ink and no other; boxes lie inside their pages,
// apart by the spacing; the pages hold no ink outside the boxes.
TEST(GlyphBoxes, HoldEachCharactersWholeInkAndNothingElse) {
  struct Style {
    const char* name;
    const char* face;
    std::int32_t height;
    std::int32_t weight;
    bool italic;
    std::uint8_t quality;
    std::int32_t spread;
  };
  // The math face has no bold or italic of its own, and small letters in tall cells.
  const Style styles[] = {{"coverage", "DejaVu Sans", 24, 400, false, 0, 0},
                          {"mono", "DejaVu Sans", 24, 400, false, 3, 0},
                          {"synthetic bold italic", "DejaVu Math TeX Gyre", 80, 700, true, 0, 0},
                          {"italic", "DejaVu Sans", 24, 400, true, 4, 0},
                          {"distance field", "DejaVu Sans", 24, 400, false, 4, 8}};
  BoxRules rules;
  rules.padding = {1, 2, 3, 0};
  rules.spacingX = 2;
  rules.spacingY = 1;
  rules.maxWidth = 256;
  rules.maxHeight = 128;
  for (const Style& style : styles) {
    SCOPED_TRACE(style.name);
    Fonter engine;
    engine.distanceSpread = style.spread;
    LOGFONTA desc = WithFace(engine, style.face, style.height);
    desc.lfWeight = style.weight;
    desc.lfItalic = style.italic ? 1 : 0;
    desc.lfQuality = style.quality;
    engine.Build(desc);
    ASSERT_EQ(engine.GetFaceName(), style.face);

    const SetLayout cells = engine.LayOutSet(TestedCharacters());
    const PackedSet packed = engine.PackGlyphBoxes(cells, rules);
    ASSERT_FALSE(packed.refused);
    const SetLayout& layout = packed.layout;
    ASSERT_TRUE(layout.packed);
    ASSERT_EQ(layout.glyphs.size(), cells.glyphs.size());
    ASSERT_GT(layout.pageHeights.size(), 1u) << "the pages are small enough to need several";
    std::size_t pageInk = 0;
    std::size_t glyphInk = 0;
    for (std::size_t p = 0; p < layout.pageHeights.size(); ++p) {
      const std::unique_ptr<platform::Bitmap> page = engine.DrawSetPage(layout, p);
      ASSERT_TRUE(page);
      for (int y = 0; y < page->Height(); ++y) {
        for (int x = 0; x < page->Width(); ++x) pageInk += (page->Pixel(x, y) & 0xFF) != 0;
      }
      std::vector<const SetGlyph*> onPage;
      for (const SetGlyph& glyph : layout.glyphs) {
        if (static_cast<std::size_t>(glyph.page) != p || glyph.record.width == 0) continue;
        ASSERT_EQ(BoxFault(engine, layout, glyph, rules, *page), "");
        for (const SetGlyph* other : onPage) ASSERT_TRUE(Apart(glyph, *other, rules)) << std::uint32_t{glyph.codePoint} << " " << std::uint32_t{other->codePoint};
        onPage.push_back(&glyph);
        for (const std::uint8_t value : engine.DrawingFace()->CodePointGlyph(glyph.codePoint).coverage) glyphInk += value != 0;
      }
    }
    EXPECT_EQ(pageInk, glyphInk);
    // Every character keeps its advance; a mark its zero.
    for (std::size_t i = 0; i < cells.glyphs.size(); ++i) ASSERT_EQ(layout.glyphs[i].advance, cells.glyphs[i].advance);
  }
}

// The 8-bit set packs the texture's characters, drawn as the texture draws its bytes.
TEST(GlyphBoxes, PackTheTexturesCharactersByTheirBytes) {
  Fonter engine;
  LOGFONTA desc = WithFace(engine, "DejaVu Sans", 32);
  desc.lfCharSet = 204;  // the Cyrillic code page: bytes 0xC0.. are Cyrillic letters
  engine.Build(desc);
  const SetLayout cells = engine.TextureLayout();
  const PackedSet packed = engine.PackGlyphBoxes(cells, {});
  ASSERT_FALSE(packed.refused);
  ASSERT_EQ(packed.layout.pageHeights.size(), 1u);
  const std::unique_ptr<platform::Bitmap> page = engine.DrawSetPage(packed.layout, 0);
  ASSERT_TRUE(page);
  for (const SetGlyph& glyph : packed.layout.glyphs) {
    ASSERT_GE(glyph.byte, Fonter::kFirstCode);
    ASSERT_EQ(BoxFault(engine, packed.layout, glyph, BoxRules{}, *page), "");
  }
}

// A box no page can hold is refused by its character, and nothing is laid out.
TEST(GlyphBoxes, RefuseABoxLargerThanTheLargestPage) {
  Fonter engine;
  engine.Build(WithFace(engine, "DejaVu Sans", 100));
  const SetLayout cells = engine.LayOutSet({'.', 'W'});
  BoxRules rules;
  rules.maxWidth = 64;
  rules.maxHeight = 64;
  const PackedSet packed = engine.PackGlyphBoxes(cells, rules);
  ASSERT_TRUE(packed.refused);
  EXPECT_EQ(cells.glyphs[*packed.refused].codePoint, U'W');
  EXPECT_GT(packed.refusedWidth, 64);
  EXPECT_TRUE(packed.layout.glyphs.empty());
}

}  // namespace
}  // namespace vantor

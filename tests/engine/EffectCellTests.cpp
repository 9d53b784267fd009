// Cells grown for effects: every glyph's outline and shadow inside its own cell,
// the glyph's pixels where the plain cells put them against the pen, advances
// and the line kept, and cells without effects as they were.
#include "EngineTesting.h"

#include "engine/GlyphEffects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor {
namespace {

using testing_support::WithFace;

Effects Make(int outline, bool shadow, int dx, int dy, int blur) {
  Effects effects;
  effects.outline = outline;
  effects.shadow = shadow;
  effects.shadowX = dx;
  effects.shadowY = dy;
  effects.shadowBlur = blur;
  effects.colour = 0xFFCC00;
  return effects;
}

struct Case {
  std::string name;
  Effects effects;
  std::uint8_t quality;
  bool texture;  // the 8-bit texture's cells, else a Unicode set's
};

// Latin with accents and Cyrillic with its combining marks, whose ink lies left of their cells.
std::vector<char32_t> Characters() {
  std::vector<char32_t> codePoints;
  for (char32_t c = 0x20; c <= 0x17F; ++c) codePoints.push_back(c);
  for (char32_t c = 0x400; c <= 0x4FF; ++c) codePoints.push_back(c);
  return codePoints;
}

std::uint32_t Rgba(const ColourImage& page, std::int64_t x, std::int64_t y) {
  const std::uint8_t* at = page.rgba.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(page.width) +
                                               static_cast<std::size_t>(x)) * 4;
  return std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 | std::uint32_t{at[2]} << 8 | at[3];
}

TEST(EffectCells, CellsHoldTheirEffectsAndKeepTheirGlyphsOnThePen) {
  const Case cases[] = {
      {"outline", Make(2, false, 0, 0, 0), 4, false},
      {"shadow up and left", Make(0, true, -5, -3, 0), 4, false},
      {"outline and blurred shadow", Make(3, true, 4, 2, 2), 4, false},
      {"colour alone", Make(0, false, 0, 0, 0), 4, false},
      {"mono", Make(2, true, 2, 2, 1), platform::kNonAntialiasedQuality, false},
      {"8-bit texture", Make(2, true, 2, 2, 0), 4, true},
  };
  for (const Case& c : cases) {
    Fonter engine;
    LOGFONTA desc = WithFace(engine, "DejaVu Sans", 28);
    desc.lfQuality = c.quality;
    engine.Build(desc);
    const SetLayout plain = c.texture ? engine.TextureLayout() : engine.LayOutSet(Characters());
    const SetLayout grown = engine.GrowCells(plain, c.effects);
    ASSERT_EQ(grown.glyphs.size(), plain.glyphs.size()) << c.name;
    EXPECT_FALSE(grown.packed) << c.name;
    EXPECT_EQ(grown.cellHeight, plain.cellHeight) << c.name;  // the line height
    EXPECT_EQ(grown.ascent, plain.ascent) << c.name;
    EXPECT_TRUE(grown.effects == c.effects) << c.name;
    std::vector<ColourImage> pages;
    for (std::size_t p = 0; p < grown.pageHeights.size(); ++p) pages.push_back(*engine.DrawEffectsPage(grown, p));
    platform::SizedFace& face = *engine.DrawingFace();
    const bool mono = c.quality == platform::kNonAntialiasedQuality;
    for (std::size_t i = 0; i < plain.glyphs.size(); ++i) {
      const SetGlyph& before = plain.glyphs[i];
      const SetGlyph& after = grown.glyphs[i];
      const std::string name = c.name + ": U+" + std::to_string(static_cast<unsigned>(after.codePoint));
      EXPECT_EQ(after.codePoint, before.codePoint) << name;
      EXPECT_EQ(after.advance, before.advance) << name;
      // Rows stay of one height, at least the font's cell; cells only grow.
      EXPECT_EQ(after.height, grown.glyphs.front().height) << name;
      EXPECT_GE(after.height, plain.cellHeight) << name;
      EXPECT_GE(after.record.width, before.record.width) << name;
      const TextureSize size = grown.PageSize(static_cast<std::size_t>(after.page));
      ASSERT_TRUE(after.record.x >= 0 && after.record.y >= 0 && after.record.x + after.record.width <= size.width &&
                  after.record.y + after.height <= size.height)
          << name;
      // Every layer lies inside the grown cell, placed against the pen as the plain cell's glyph.
      const GlyphLayers layers = LayersOf(face, after, c.effects, mono);
      const platform::Rect extent = ExtentOf(layers);
      if (extent.Empty()) continue;
      const std::int64_t cornerX = std::int64_t{after.record.x} - after.xoffset;
      const std::int64_t cornerY = std::int64_t{after.record.y} - after.yoffset;
      EXPECT_TRUE(cornerX + extent.left >= after.record.x && cornerY + extent.top >= after.record.y &&
                  cornerX + extent.right <= after.record.x + after.record.width &&
                  cornerY + extent.bottom <= after.record.y + after.height)
          << name;
      const ColourImage& page = pages[static_cast<std::size_t>(after.page)];
      for (int y = layers.glyph.top; y < layers.glyph.top + layers.glyph.height; ++y) {
        for (int x = layers.glyph.left; x < layers.glyph.left + layers.glyph.width; ++x) {
          if (layers.glyph.At(x, y) == 255) {
            ASSERT_EQ(Rgba(page, cornerX + x, cornerY + y), 0xFFCC00FFu) << name << " at " << x << "," << y;
          }
        }
      }
    }
  }
}

// The glyph's plane is where the plain cells draw it: at the pen less the plain offsets,
// which the grown offsets keep (the corner moves into the cell by the growth alone).
TEST(EffectCells, OffsetsKeepThePenWhereThePlainCellsHaveIt) {
  Fonter engine;
  engine.Build(WithFace(engine, "DejaVu Sans", 28));
  const SetLayout plain = engine.LayOutSet(Characters());
  const SetLayout grown = engine.GrowCells(plain, Make(2, true, 3, 3, 0));
  const std::unique_ptr<platform::Bitmap> page = engine.DrawSetPage(plain, 0);
  platform::SizedFace& face = *engine.DrawingFace();
  int checked = 0;
  for (std::size_t i = 0; i < plain.glyphs.size(); ++i) {
    const SetGlyph& before = plain.glyphs[i];
    if (before.page != 0) continue;
    // The plain cell's glyph pixels, against the pen, are the glyph plane's against its corner.
    const Plane plane = LayersOf(face, grown.glyphs[i], Make(2, true, 3, 3, 0), false).glyph;
    for (int y = 0; y < before.height; ++y) {
      for (int x = 0; x < before.record.width; ++x) {
        if (plane.At(x + before.xoffset, y + before.yoffset) != 255) continue;
        const auto red = (page->Pixel(before.record.x + x, before.record.y + y) >> 16) & 0xFF;
        EXPECT_EQ(red, 255u) << static_cast<unsigned>(before.codePoint) << " at " << x << "," << y;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 1000);
}

TEST(EffectCells, WithoutEffectsCellsStayAsTheyAre) {
  Fonter engine;
  engine.Build(WithFace(engine, "DejaVu Sans", 28));
  for (const SetLayout& plain : {engine.LayOutSet(Characters()), engine.TextureLayout()}) {
    const SetLayout same = engine.GrowCells(plain, {});
    EXPECT_EQ(same.glyphs, plain.glyphs);
    EXPECT_EQ(same.pageHeights, plain.pageHeights);
    EXPECT_FALSE(same.effects.Any());
  }
}

}  // namespace
}  // namespace vantor

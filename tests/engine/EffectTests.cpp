#include "EngineTesting.h"

#include "engine/GlyphEffects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace vantor {
namespace {

using testing_support::WithFace;

std::vector<char32_t> Alphanumerics() {
  std::vector<char32_t> codePoints;
  for (char32_t c = 0x21; c <= 0x7E; ++c) codePoints.push_back(c);
  return codePoints;
}

// The plane's edges to sub-pixel precision: the extreme column (row) less the part of
// it the shape leaves uncovered, as up, right, down, left.
std::array<double, 4> Edges(const Plane& plane) {
  const auto maxOfColumn = [&](int x) {
    int best = 0;
    for (int y = plane.top; y < plane.top + plane.height; ++y) best = std::max<int>(best, plane.At(x, y));
    return best / 255.0;
  };
  const auto maxOfRow = [&](int y) {
    int best = 0;
    for (int x = plane.left; x < plane.left + plane.width; ++x) best = std::max<int>(best, plane.At(x, y));
    return best / 255.0;
  };
  int left = plane.left, right = plane.left + plane.width - 1, top = plane.top, bottom = plane.top + plane.height - 1;
  while (left < right && maxOfColumn(left) == 0) ++left;
  while (right > left && maxOfColumn(right) == 0) --right;
  while (top < bottom && maxOfRow(top) == 0) ++top;
  while (bottom > top && maxOfRow(bottom) == 0) --bottom;
  return {top + 1 - maxOfRow(top), right + maxOfColumn(right), bottom + maxOfRow(bottom), left + 1 - maxOfColumn(left)};
}

struct Engine {
  Fonter engine;
  explicit Engine(std::uint8_t quality = 4) {
    LOGFONTA desc = WithFace(engine, "DejaVu Sans", 32);
    desc.lfQuality = quality;
    engine.Build(desc);
  }
  SetLayout Packed(const Effects& effects) {
    return engine.PackGlyphBoxes(engine.LayOutSet(Alphanumerics()), BoxRules{}, effects).layout;
  }
};

// Over every glyph, the outline's outer edge stands N pixels beyond the glyph's own
// edge on each side, within half a pixel.
TEST(Effects, OutlineReachesItsWidthOnEverySide) {
  Engine e;
  platform::SizedFace& face = *e.engine.DrawingFace();
  for (const int width : {1, 2, 3, 5, 8, 16}) {
    Effects effects;
    effects.outline = width;
    for (const SetGlyph& glyph : e.engine.LayOutSet(Alphanumerics()).glyphs) {
      const GlyphLayers layers = LayersOf(face, glyph, effects, false);
      ASSERT_FALSE(layers.glyph.Empty());
      const std::array<double, 4> inner = Edges(layers.glyph);
      const std::array<double, 4> outer = Edges(layers.outline);
      const double reach[4] = {inner[0] - outer[0], outer[1] - inner[1], outer[2] - inner[2], inner[3] - outer[3]};
      for (int side = 0; side < 4; ++side) {
        EXPECT_NEAR(reach[side], width, 0.5) << "U+" << std::hex << static_cast<unsigned>(glyph.codePoint) << std::dec
                                             << " width " << width << " side " << side;
      }
    }
  }
}

// The shadow is the glyph with its outline, moved by the offset, value for value.
TEST(Effects, ShadowIsTheGlyphAndOutlineMoved) {
  Engine e;
  platform::SizedFace& face = *e.engine.DrawingFace();
  const struct {
    int outline, dx, dy;
  } cases[] = {{0, 2, 2}, {0, -3, 1}, {2, 2, 2}, {3, -16, 16}, {1, 0, -5}};
  for (const auto& c : cases) {
    Effects effects;
    effects.outline = c.outline;
    effects.shadow = true;
    effects.shadowX = c.dx;
    effects.shadowY = c.dy;
    for (const SetGlyph& glyph : e.engine.LayOutSet(Alphanumerics()).glyphs) {
      const GlyphLayers layers = LayersOf(face, glyph, effects, false);
      const Plane& source = c.outline > 0 ? layers.outline : layers.glyph;
      for (int y = source.top - 1; y <= source.top + source.height; ++y) {
        for (int x = source.left - 1; x <= source.left + source.width; ++x) {
          ASSERT_EQ(layers.shadow.At(x + c.dx, y + c.dy), source.At(x, y))
              << "U+" << std::hex << static_cast<unsigned>(glyph.codePoint) << std::dec << " at " << x << "," << y;
        }
      }
    }
  }
}

// A blurred shadow keeps its coverage where it was, spread out: the same sum within rounding.
TEST(Effects, BlurSpreadsTheShadowWithoutLosingIt) {
  Plane square{0, 0, 6, 6, std::vector<std::uint8_t>(36, 255)};
  for (const int blur : {1, 2, 4, 8}) {
    const Plane shadow = ShadowOf(square, 1, 1, blur, false);
    EXPECT_EQ(shadow.left, 1 - blur);
    EXPECT_EQ(shadow.width, 6 + 2 * blur);
    long sum = 0;
    for (const std::uint8_t v : shadow.values) sum += v;
    EXPECT_NEAR(sum, 36 * 255, 36 * 255 / 50) << blur;
    const Plane mono = ShadowOf(square, 1, 1, blur, true);
    EXPECT_TRUE(std::all_of(mono.values.begin(), mono.values.end(), [](std::uint8_t v) { return v == 0 || v == 255; }));
  }
}

// The reds of the glyph's own coverage, from a page drawn without effects, by screen place.
struct Drawn {
  std::int64_t x, y;
  int coverage;
};

std::vector<Drawn> GlyphPixels(const SetGlyph& glyph, const platform::Bitmap& page) {
  std::vector<Drawn> pixels;
  for (int y = 0; y < glyph.height; ++y) {
    for (int x = 0; x < glyph.record.width; ++x) {
      const int red = static_cast<int>((page.Pixel(glyph.record.x + x, glyph.record.y + y) >> 16) & 0xFF);
      if (red > 0) pixels.push_back({glyph.xoffset + x, glyph.yoffset + y, red});
    }
  }
  return pixels;
}

// Where the glyph is full the page holds the glyph's colour, opaque, at the place the
// glyph held without effects; where only the outline is, the outline's colour; boxes
// stay inside their pages and advances do not change.
TEST(Effects, PagesHoldTheGlyphColourWhereItStoodAndTheOutlineAround) {
  for (const std::uint8_t quality : {std::uint8_t{4}, platform::kNonAntialiasedQuality}) {
    Engine e(quality);
    const SetLayout plain = e.Packed({});
    Effects effects;
    effects.outline = 2;
    effects.shadow = true;
    effects.shadowX = 3;
    effects.shadowY = 2;
    effects.colour = 0xFFCC00;
    effects.outlineColour = 0x2040A0;
    effects.shadowColour = 0x101010;
    const SetLayout coloured = e.Packed(effects);
    ASSERT_EQ(plain.glyphs.size(), coloured.glyphs.size());
    std::vector<std::unique_ptr<platform::Bitmap>> plainPages;
    std::vector<ColourImage> pages;
    for (std::size_t p = 0; p < plain.pageHeights.size(); ++p) plainPages.push_back(e.engine.DrawSetPage(plain, p));
    for (std::size_t p = 0; p < coloured.pageHeights.size(); ++p) pages.push_back(*e.engine.DrawEffectsPage(coloured, p));
    const auto rgba = [&](const SetGlyph& g, std::int64_t sx, std::int64_t sy) {
      const ColourImage& page = pages[static_cast<std::size_t>(g.page)];
      const std::int64_t x = g.record.x + sx - g.xoffset;
      const std::int64_t y = g.record.y + sy - g.yoffset;
      EXPECT_TRUE(x >= g.record.x && y >= g.record.y && x < g.record.x + g.record.width && y < g.record.y + g.height);
      const std::uint8_t* at = page.rgba.data() + (static_cast<std::size_t>(y) * page.width + static_cast<std::size_t>(x)) * 4;
      return std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 | std::uint32_t{at[2]} << 8 | at[3];
    };
    platform::SizedFace& face = *e.engine.DrawingFace();
    for (std::size_t i = 0; i < plain.glyphs.size(); ++i) {
      const SetGlyph& before = plain.glyphs[i];
      const SetGlyph& after = coloured.glyphs[i];
      const std::string name = "U+" + std::to_string(static_cast<unsigned>(after.codePoint));
      EXPECT_EQ(before.advance, after.advance) << name;
      const TextureSize size = coloured.PageSize(static_cast<std::size_t>(after.page));
      EXPECT_TRUE(after.record.x >= 0 && after.record.y >= 0 && after.record.x + after.record.width <= size.width &&
                  after.record.y + after.height <= size.height)
          << name;
      for (const Drawn& d : GlyphPixels(before, *plainPages[static_cast<std::size_t>(before.page)])) {
        if (d.coverage == 255) {
          EXPECT_EQ(rgba(after, d.x, d.y), 0xFFCC00FFu) << name << " at " << d.x << "," << d.y;
        }
      }
      // Outline only: full outline, no glyph, checked through the layers that drew it.
      const GlyphLayers layers = LayersOf(face, after, effects, quality == platform::kNonAntialiasedQuality);
      for (int y = layers.outline.top; y < layers.outline.top + layers.outline.height; ++y) {
        for (int x = layers.outline.left; x < layers.outline.left + layers.outline.width; ++x) {
          if (layers.outline.At(x, y) == 255 && layers.glyph.At(x, y) == 0) {
            EXPECT_EQ(rgba(after, x, y), 0x2040A0FFu) << name << " at " << x << "," << y;
          }
        }
      }
    }
  }
}

// Without antialiasing, the glyph, its stroke and its shadow are all or nothing.
TEST(Effects, MonoStrokesAndShadowsWithoutAntialiasing) {
  Engine e(platform::kNonAntialiasedQuality);
  Effects effects;
  effects.outline = 3;
  effects.shadow = true;
  effects.shadowX = 2;
  effects.shadowY = 2;
  effects.shadowBlur = 2;
  for (const SetGlyph& glyph : e.engine.LayOutSet(Alphanumerics()).glyphs) {
    const GlyphLayers layers = LayersOf(*e.engine.DrawingFace(), glyph, effects, true);
    for (const Plane* plane : {&layers.glyph, &layers.outline, &layers.shadow}) {
      EXPECT_TRUE(std::all_of(plane->values.begin(), plane->values.end(), [](std::uint8_t v) { return v == 0 || v == 255; }))
          << static_cast<unsigned>(glyph.codePoint);
    }
  }
}

}  // namespace
}  // namespace vantor

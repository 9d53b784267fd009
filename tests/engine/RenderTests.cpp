#include "EngineTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace vantor {
namespace {

using testing_support::Red;
using testing_support::WithFace;

std::vector<std::uint32_t> CellPixels(const Fonter& engine, int code, int cellHeight) {
  const GlyphRecord& glyph = engine.glyphs[code - Fonter::kFirstCode];
  std::vector<std::uint32_t> pixels;
  for (int y = glyph.y; y < glyph.y + cellHeight; ++y) {
    for (int x = glyph.x; x < glyph.x + glyph.width; ++x) pixels.push_back(engine.texture->Pixel(x, y));
  }
  return pixels;
}

class Quality : public testing::Test {
 protected:
  void Render(std::uint8_t quality) {
    LOGFONTA desc = WithFace(engine, "DejaVu Sans", 24);
    desc.lfQuality = quality;
    engine.Build(desc);
    ASSERT_NE(engine.texture, nullptr);
  }
  template <typename Each>
  void ForEachPixel(Each each) const {
    const TextureSize size = engine.GetTextureSize();
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x) each(engine.texture->Pixel(x, y));
    }
  }
  Fonter engine;
};

TEST_F(Quality, NonAntialiasedGivesOnlyFullOrNoCoverage) {
  Render(3);
  std::set<std::uint32_t> colours;
  ForEachPixel([&](std::uint32_t pixel) { colours.insert(pixel); });
  EXPECT_EQ(colours, (std::set<std::uint32_t>{0x000000, 0xFFFFFF}));
}

TEST_F(Quality, GreyQualitiesGiveGreyLevels) {
  for (std::uint8_t quality : {0, 1, 2, 4}) {
    Render(quality);
    std::set<int> levels;
    bool grey = true;
    ForEachPixel([&](std::uint32_t pixel) {
      const std::uint32_t red = (pixel >> 16) & 0xFF;
      grey &= red == ((pixel >> 8) & 0xFF) && red == (pixel & 0xFF);
      levels.insert(static_cast<int>(red));
    });
    EXPECT_TRUE(grey) << int(quality);
    EXPECT_GT(levels.size(), 16u) << int(quality);
  }
}

TEST_F(Quality, ClearTypeColoursTheEdges) {
  Render(5);
  bool coloured = false;
  ForEachPixel([&](std::uint32_t pixel) { coloured |= ((pixel >> 16) & 0xFF) != ((pixel >> 8) & 0xFF); });
  EXPECT_TRUE(coloured);
}

TEST(Style, BoldWidensCharacters) {
  Fonter engine;
  LOGFONTA desc = WithFace(engine, "DejaVu Sans", 32);
  desc.lfWeight = 400;
  engine.Build(desc);
  const auto regular = engine.glyphs;
  desc.lfWeight = 700;
  engine.Build(desc);
  int wider = 0;
  for (int i = 0; i < Fonter::kGlyphCount; ++i) wider += engine.glyphs[i].width > regular[i].width;
  EXPECT_GT(wider, 100);
}

TEST(Style, ItalicDrawsDifferently) {
  Fonter engine;
  LOGFONTA desc = WithFace(engine, "DejaVu Sans", 32);
  engine.Build(desc);
  const auto uprightL = CellPixels(engine, 'l', 31);
  desc.lfItalic = 1;
  engine.Build(desc);
  EXPECT_TRUE(engine.IsItalic());
  EXPECT_NE(CellPixels(engine, 'l', 31), uprightL);
}

TEST(Charset, TheSameByteDrawsTheCharacterOfTheSet) {
  Fonter engine;
  LOGFONTA desc = WithFace(engine, "DejaVu Sans", 32);
  desc.lfCharSet = 0;
  engine.Build(desc);
  const auto latin = CellPixels(engine, 0xC0, 31);  // À
  desc.lfCharSet = 204;
  engine.Build(desc);
  const auto cyrillic = CellPixels(engine, 0xC0, 31);  // А
  desc.lfCharSet = 2;
  engine.Build(desc);
  const auto symbol = CellPixels(engine, 0xC0, 31);
  EXPECT_NE(latin, cyrillic);
  EXPECT_NE(cyrillic, symbol);
}

TEST(Charset, UndefinedBytesDrawTheMissingGlyph) {
  Fonter engine;
  LOGFONTA desc = WithFace(engine, "DejaVu Sans", 32);
  desc.lfCharSet = 1;
  engine.Build(desc);
  // 0x81 and 0x8D have no character in the Western code page.
  const auto first = CellPixels(engine, 0x81, 31);
  EXPECT_EQ(first, CellPixels(engine, 0x8D, 31));
  int lit = 0;
  for (std::uint32_t pixel : first) lit += pixel != 0;
  EXPECT_GT(lit, 0);
}

TEST(Drawing, CharactersLieWhereTheirRecordsSay) {
  Fonter engine;
  engine.Build(WithFace(engine, "DejaVu Sans Mono", 16, 10));
  // Ink lies in the cells, give or take the bearings of a few characters
  // that reach a pixel or two past their box.
  constexpr int kBearing = 2;
  const TextureSize size = engine.GetTextureSize();
  std::vector<bool> nearCell(static_cast<std::size_t>(size.width) * size.height, false);
  for (const GlyphRecord& glyph : engine.glyphs) {
    for (int y = std::max(glyph.y - kBearing, 0); y < std::min(glyph.y + 16 + kBearing, size.height); ++y) {
      for (int x = std::max(glyph.x - kBearing, 0); x < std::min(glyph.x + glyph.width + kBearing, size.width); ++x) {
        nearCell[static_cast<std::size_t>(y) * size.width + x] = true;
      }
    }
  }
  int litFar = 0;
  int lit = 0;
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      if (Red(engine, x, y) == 0) continue;
      ++lit;
      litFar += !nearCell[static_cast<std::size_t>(y) * size.width + x];
    }
  }
  EXPECT_EQ(litFar, 0);
  EXPECT_GT(lit, 1000);
  // Rows below the last one stay black.
  for (int y = engine.glyphs[223].y + 16 + kBearing; y < size.height; ++y) ASSERT_EQ(Red(engine, 5, y), 0);
}

}  // namespace
}  // namespace vantor

namespace vantor {
namespace {

std::vector<std::uint32_t> AllPixels(const Fonter& engine) {
  const TextureSize size = engine.GetTextureSize();
  return {engine.texture->Pixels(), engine.texture->Pixels() + static_cast<std::size_t>(size.width) * size.height};
}

// A reused image shows exactly what a fresh one would: nothing of the last build remains.
TEST(Drawing, ARebuildLeavesNothingOfTheLastTexture) {
  struct Step {
    const char* face;
    int height;
    int kerning;
    int leading;
    std::uint8_t quality;
  };
  const Step steps[] = {{"DejaVu Serif", 30, 0, 0, 0},   {"DejaVu Sans", 29, -6, 0, 0},
                        {"DejaVu Sans Mono", 30, 2, -3, 5}, {"DejaVu Sans", 30, 0, 1, 3},
                        {"DejaVu Serif", 28, -20, 0, 0}};
  Fonter reused;
  reused.textureWidth = 1024;
  int reuses = 0;
  for (const Step& step : steps) {
    LOGFONTA desc = WithFace(reused, step.face, step.height);
    desc.lfQuality = step.quality;
    reused.kerning = step.kerning;
    reused.leading = step.leading;
    const TextureSize before = reused.GetTextureSize();
    reused.Build(desc);
    reuses += reused.GetTextureSize() == before;  // same size: the image was kept

    Fonter fresh;
    fresh.textureWidth = 1024;
    fresh.kerning = step.kerning;
    fresh.leading = step.leading;
    fresh.Build(desc);
    ASSERT_EQ(reused.GetTextureSize(), fresh.GetTextureSize()) << step.face;
    EXPECT_EQ(AllPixels(reused), AllPixels(fresh)) << step.face << " " << step.height;
  }
  EXPECT_GE(reuses, 3);
}

}  // namespace
}  // namespace vantor

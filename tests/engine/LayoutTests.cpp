#include "EngineTesting.h"

#include <gtest/gtest.h>

#include <climits>

namespace vantor {
namespace {

using testing_support::WithFace;

// DejaVu Sans Mono stretched to an average width of w is w pixels wide for
// every character; a cell height of 16 is 16 pixels high.
class MonospaceLayout : public testing::Test {
 protected:
  void Use(std::int32_t width) {
    engine.Build(WithFace(engine, "DejaVu Sans Mono", 16, width));
    for (const GlyphRecord& glyph : engine.glyphs) ASSERT_EQ(glyph.width, width);
  }
  const GlyphRecord& At(int code) const { return engine.glyphs[code - Fonter::kFirstCode]; }

  Fonter engine;
};

TEST_F(MonospaceLayout, WorkedExample) {
  Use(10);
  engine.Build();
  // A row of 256 holds 25 ten-pixel characters: the 26th would end at 260.
  EXPECT_EQ(At(32), (GlyphRecord{0, 0, 10}));
  EXPECT_EQ(At(56), (GlyphRecord{240, 0, 10}));
  EXPECT_EQ(At(57), (GlyphRecord{0, 16, 10}));
  // Nine rows; the last, at y = 128, holds 24 characters.
  EXPECT_EQ(At(232), (GlyphRecord{0, 128, 10}));
  EXPECT_EQ(At(255), (GlyphRecord{230, 128, 10}));
  EXPECT_EQ(engine.GetTextureSize(), (TextureSize{256, 256}));  // need 144
}

TEST_F(MonospaceLayout, RowsHoldOneCharacterLessThanFillsTheWidth) {
  Use(8);
  for (int textureWidth : {16, 64, 100, 256, 257, 264, 1000}) {
    engine.textureWidth = textureWidth;
    engine.Build();
    const int perRow = (textureWidth - 1) / 8;
    for (int i = 0; i < Fonter::kGlyphCount; ++i) {
      ASSERT_EQ(engine.glyphs[i], (GlyphRecord{i % perRow * 8, i / perRow * 16, 8}))
          << "texture width " << textureWidth << ", code " << i + 32;
    }
  }
}

TEST_F(MonospaceLayout, ACharacterAsWideAsTheTextureTakesARowOfItsOwn) {
  Use(10);
  for (int textureWidth : {10, 7, 1}) {
    engine.textureWidth = textureWidth;
    engine.Build();
    // The row advance comes before the record, so the first row stays empty.
    for (int i = 0; i < Fonter::kGlyphCount; ++i) ASSERT_EQ(engine.glyphs[i], (GlyphRecord{0, (i + 1) * 16, 10}));
    EXPECT_EQ(engine.GetTextureSize(), (TextureSize{textureWidth, 4096}));  // need 224 × 16 + 16
  }
}

TEST_F(MonospaceLayout, KerningAndLeadingSpaceCellsAndRows) {
  Use(10);
  engine.kerning = 2;
  engine.leading = 3;
  engine.Build();
  // Twelve pixels a character: x + 10 >= 256 first at x = 252, the 22nd character.
  EXPECT_EQ(At(32 + 20), (GlyphRecord{240, 0, 10}));
  EXPECT_EQ(At(32 + 21), (GlyphRecord{0, 19, 10}));
}

TEST_F(MonospaceLayout, NegativeKerningOverlapsCells) {
  Use(10);
  engine.kerning = -4;
  engine.Build();
  EXPECT_EQ(At(33).x, 6);
  EXPECT_EQ(At(33).y, 0);
}

TEST_F(MonospaceLayout, AllCharactersOnOneRow) {
  Use(10);
  engine.textureWidth = 4096;
  engine.Build();
  for (const GlyphRecord& glyph : engine.glyphs) ASSERT_EQ(glyph.y, 0);
  EXPECT_EQ(engine.GetTextureSize(), (TextureSize{4096, 16}));
}

TEST_F(MonospaceLayout, NegativeLeadingMovesRowsUpButTheHeightStaysAtLeastTwo) {
  Use(10);
  engine.leading = -20;
  engine.Build();
  EXPECT_EQ(At(57).y, -4);
  EXPECT_EQ(At(255).y, -32);
  EXPECT_EQ(engine.GetTextureSize(), (TextureSize{256, 2}));  // need -16
}

TEST(Layout, EveryRecordLiesInsideTheImageForSaneSettings) {
  Fonter engine;
  for (const char* face : {"DejaVu Sans", "DejaVu Serif"}) {
    for (int height : {1, 8, 32, 100, 511}) {
      for (int textureWidth : {256, 1024, 4096}) {
        engine.textureWidth = textureWidth;
        engine.Build(WithFace(engine, face, height));
        const TextureSize size = engine.GetTextureSize();
        // With no leading, the first row below the top one starts one cell down.
        int cell = 0;
        for (const GlyphRecord& glyph : engine.glyphs) {
          if (glyph.y > 0) {
            cell = glyph.y;
            break;
          }
        }
        for (const GlyphRecord& glyph : engine.glyphs) {
          if (glyph.width >= textureWidth) continue;  // wider than the texture: cut by design
          ASSERT_GE(glyph.x, 0);
          ASSERT_LT(glyph.x + glyph.width, size.width) << face << " " << height << " " << textureWidth;
          ASSERT_LE(glyph.y + cell, size.height) << face << " " << height << " " << textureWidth;
        }
      }
    }
  }
}

TEST(Image, IsReusedWhileItsSizeStays) {
  Fonter engine;
  const platform::Bitmap* first = engine.texture.get();
  engine.leading = 1;
  engine.Build();
  ASSERT_EQ(engine.GetTextureSize().height, 512);
  EXPECT_EQ(engine.texture.get(), first);

  engine.textureWidth = 512;
  engine.Build();
  EXPECT_EQ(engine.GetTextureSize().width, 512);
}

TEST(BadSettings, NoPositiveWidthMakesNoImage) {
  Fonter engine;
  for (int textureWidth : {0, -5, INT_MIN}) {
    engine.textureWidth = textureWidth;
    engine.Build();
    EXPECT_EQ(engine.texture, nullptr);
    EXPECT_EQ(engine.GetTextureSize(), (TextureSize{0, 0}));
    for (const GlyphRecord& glyph : engine.glyphs) EXPECT_EQ(glyph.x, 0);
    EXPECT_GT(engine.glyphs[1].y, engine.glyphs[0].y);
  }
}

TEST(BadSettings, TooTallOrTooLargeMakesNoImageButFillsTheTable) {
  Fonter engine;
  engine.Build(WithFace(engine, "DejaVu Sans Mono", 16, 10));
  // Need beyond 2^30.
  engine.leading = 1 << 28;
  engine.Build();
  EXPECT_EQ(engine.texture, nullptr);
  EXPECT_EQ(engine.glyphs[223].y, INT_MAX);  // saturated, not wrapped
  // Within 2^30 high, but beyond 2^28 pixels: 25 rows of 100016 on a width of 100.
  engine.textureWidth = 100;
  engine.leading = 100000;
  engine.Build();
  EXPECT_EQ(engine.texture, nullptr);
  EXPECT_EQ(engine.glyphs[223].y, 24 * 100016);
  // A sane setting afterwards gets an image again.
  engine.leading = 0;
  engine.Build();
  EXPECT_EQ(engine.GetTextureSize(), (TextureSize{100, 512}));
}

TEST(BadSettings, ExtremeSpacingNeverWritesOutsideTheImage) {
  Fonter engine;
  for (int spacing : {INT_MIN, -100000, -255, -1, 255, 100000, INT_MAX}) {
    for (int textureWidth : {8, 256, 4096}) {
      engine.textureWidth = textureWidth;
      engine.kerning = spacing;
      engine.leading = -(spacing / 2);
      engine.Build();
      engine.leading = spacing;
      engine.kerning = 0;
      engine.Build();
    }
  }
  SUCCEED();  // the sanitizer build checks every write
}

}  // namespace
}  // namespace vantor

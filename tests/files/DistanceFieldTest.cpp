#include "files/export/DescribeFont.h"
#include "platform/SizedFace.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace vantor::files {
namespace {

constexpr int kSpread = 8;

// How the characters are rendered before they become fields.
struct Rendering {
  std::uint8_t quality = 4;
  std::uint8_t italic = 0;
};

void UseDejaVu(Fonter& engine, int spread, Rendering rendering = {}) {
  LOGFONTA desc = engine.GetFontDesc();
  platform::SetFaceName(desc, "DejaVu Sans");
  desc.lfHeight = 32;
  desc.lfWeight = 400;
  desc.lfQuality = rendering.quality;
  desc.lfItalic = rendering.italic;
  engine.textureWidth = 512;
  engine.distanceSpread = spread;
  engine.Build(desc);
}

int Alpha(const Fonter& engine, int x, int y) { return (engine.texture->Pixel(x, y) >> 16) & 0xFF; }

// Coverage and field of the same characters, built side by side.
struct Pair {
  Fonter coverage;
  Fonter field;
  explicit Pair(Rendering rendering = {}) {
    UseDejaVu(coverage, 0, rendering);
    UseDejaVu(field, kSpread, rendering);
  }
};

// Thresholded at 128, the field gives back each character's shape: against the
// coverage thresholded at half, at least 95% of the pixels of the character's
// grown box agree: antialiased, mono (whose coverage is 0 or 255) and synthetic italic.
class FieldShapes : public testing::TestWithParam<Rendering> {};

TEST_P(FieldShapes, ThresholdingTheFieldGivesBackEachShape) {
  Pair fonts(GetParam());
  platform::SizedFace& coverage = *fonts.coverage.DrawingFace();
  platform::SizedFace& field = *fonts.field.DrawingFace();
  for (int code = Fonter::kFirstCode; code < Fonter::kFirstCode + Fonter::kGlyphCount; ++code) {
    const auto byte = static_cast<std::uint8_t>(code);
    const platform::RenderedGlyph plain = coverage.Glyph(byte);
    const platform::RenderedGlyph& grown = field.Glyph(byte);
    if (grown.width == 0) continue;  // nothing drawn: a space
    ASSERT_EQ(plain.channels, 1);
    int agree = 0;
    for (int y = 0; y < grown.rows; ++y) {
      for (int x = 0; x < grown.width; ++x) {
        const int px = x + grown.left - plain.left;
        const int py = y - grown.top + plain.top;
        const bool within = px >= 0 && py >= 0 && px < plain.width && py < plain.rows;
        const bool inked = within && plain.coverage[static_cast<std::size_t>(py * plain.width + px)] >= 128;
        // 128 is the outline itself: inside is above it.
        const bool inside = grown.coverage[static_cast<std::size_t>(y * grown.width + x)] > 128;
        agree += inked == inside ? 1 : 0;
      }
    }
    EXPECT_GE(agree * 100, grown.width * grown.rows * 95) << "code " << code << ": " << agree << " of "
                                                           << grown.width * grown.rows;
  }
}

INSTANTIATE_TEST_SUITE_P(Renderings, FieldShapes,
                         testing::Values(Rendering{4, 0}, Rendering{3, 0}, Rendering{4, 1}, Rendering{3, 1}));

// Across an edge the field only falls: read from the middle of a vertical stroke
// outwards, a value further out is never higher.
TEST(DistanceField, TheFieldFallsAwayFromTheOutline) {
  Pair fonts;
  const int cellHeight = fonts.coverage.DrawingFace()->CellHeight();
  for (const char c : {'I', 'l', '|'}) {
    const GlyphRecord& grown = fonts.field.glyphs[c - Fonter::kFirstCode];
    const int y = grown.y + kSpread + cellHeight / 2;
    int peak = grown.x;
    for (int x = grown.x; x < grown.x + grown.width; ++x) {
      if (Alpha(fonts.field, x, y) > Alpha(fonts.field, peak, y)) peak = x;
    }
    EXPECT_GT(Alpha(fonts.field, peak, y), 128) << c;
    for (int x = peak; x > grown.x; --x) EXPECT_LE(Alpha(fonts.field, x - 1, y), Alpha(fonts.field, x, y)) << c;
    for (int x = peak; x + 1 < grown.x + grown.width; ++x) {
      EXPECT_LE(Alpha(fonts.field, x + 1, y), Alpha(fonts.field, x, y)) << c;
    }
  }
}

// A spread the field renderer cannot take, set by a caller, draws coverage.
TEST(DistanceField, AStraySpreadDrawsCoverage) {
  Fonter coverage;
  UseDejaVu(coverage, 0);
  for (const int stray : {1, -8, 33, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
    Fonter engine;
    UseDejaVu(engine, stray);
    EXPECT_EQ(engine.FieldSpread(), 0) << stray;
    for (int i = 0; i < Fonter::kGlyphCount; ++i) {
      ASSERT_EQ(engine.glyphs[i].width, coverage.glyphs[i].width) << stray << " " << i;
      ASSERT_EQ(engine.glyphs[i].y, coverage.glyphs[i].y) << stray << " " << i;
    }
  }
}

TEST(DistanceField, RecordsAndDescriptorFollowTheGrownCells) {
  Pair fonts;
  const int cellHeight = fonts.coverage.DrawingFace()->CellHeight();
  EXPECT_EQ(fonts.field.glyphs[0].y, 0);
  for (int i = 0; i < Fonter::kGlyphCount; ++i) {
    EXPECT_EQ(fonts.field.glyphs[i].width, fonts.coverage.glyphs[i].width + 2 * kSpread) << i;
  }
  // Rows step by the grown cell.
  for (int i = 1; i < Fonter::kGlyphCount; ++i) {
    const int step = fonts.field.glyphs[i].y - fonts.field.glyphs[i - 1].y;
    EXPECT_TRUE(step == 0 || step == cellHeight + 2 * kSpread) << i;
  }
  const BitmapFontDescription plain = DescribeFont(fonts.coverage, fonts.coverage.TextureLayout(), {"p_0.png"});
  const BitmapFontDescription field = DescribeFont(fonts.field, fonts.field.TextureLayout(), {"f_0.png"});
  EXPECT_EQ(field.lineHeight, plain.lineHeight);
  EXPECT_EQ(field.base, plain.base);
  EXPECT_EQ(field.info.fieldType, "sdf");
  EXPECT_EQ(field.info.fieldSpread, kSpread);
  EXPECT_EQ(field.info.padding[0], kSpread);
  EXPECT_TRUE(plain.info.fieldType.empty());
  ASSERT_EQ(field.chars.size(), plain.chars.size());
  for (std::size_t i = 0; i < field.chars.size(); ++i) {
    EXPECT_EQ(field.chars[i].width, plain.chars[i].width + 2 * kSpread);
    EXPECT_EQ(field.chars[i].height, plain.chars[i].height + 2 * kSpread);
    EXPECT_EQ(field.chars[i].xoffset, -kSpread);
    EXPECT_EQ(field.chars[i].yoffset, -kSpread);
    EXPECT_EQ(field.chars[i].xadvance, plain.chars[i].xadvance);
  }
}

}  // namespace
}  // namespace vantor::files

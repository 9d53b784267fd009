#include "EngineTesting.h"

#include "engine/TextureHeight.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace vantor {
namespace {

using testing_support::WithFace;

// Every code point from `first` to `last`.
std::vector<char32_t> Span(char32_t first, char32_t last) {
  std::vector<char32_t> codePoints;
  for (char32_t c = first; c <= last; ++c) codePoints.push_back(c);
  return codePoints;
}

// DejaVu Sans Mono stretched to an average width of 10: every Latin, Greek and
// Cyrillic character is 10 pixels wide, every cell 16 high.
class MonospaceSet : public testing::Test {
 protected:
  MonospaceSet() {
    engine.Build(WithFace(engine, "DejaVu Sans Mono", 16, 10));
    layout = engine.LayOutSet(Span(0x20, 0x4FF));
  }
  Fonter engine;
  SetLayout layout;
};

struct PagingCase {
  int textureWidth;
  int leading;
  int kerning;
  int perRow;  // characters a row holds: the last would reach the right edge
};

class MonospacePaging : public MonospaceSet, public testing::WithParamInterface<PagingCase> {};

TEST_P(MonospacePaging, RowsFillPagesUpTo4096AndTheNextRowStartsAPage) {
  const PagingCase c = GetParam();
  engine.textureWidth = c.textureWidth;
  engine.leading = c.leading;
  engine.kerning = c.kerning;
  layout = engine.LayOutSet(Span(0x20, 0x4FF));
  ASSERT_GT(layout.glyphs.size(), 900u);
  const int step = 16 + c.leading;
  const int rowsPerPage = (Fonter::kMaxPageHeight - 16) / step + 1;
  std::size_t rows = 0;
  for (std::size_t i = 0; i < layout.glyphs.size(); ++i) {
    const SetGlyph& glyph = layout.glyphs[i];
    ASSERT_EQ(glyph.record.width, 10) << std::hex << static_cast<std::uint32_t>(glyph.codePoint);
    ASSERT_EQ(glyph.advance, 10);
    const int row = static_cast<int>(i) / c.perRow;
    const GlyphRecord expected{static_cast<int>(i) % c.perRow * (10 + c.kerning), row % rowsPerPage * step, 10};
    ASSERT_EQ(glyph.page, row / rowsPerPage) << "character " << i;
    ASSERT_EQ(glyph.record, expected) << "character " << i;
    rows = static_cast<std::size_t>(row) + 1;
  }
  // Full pages are 4096 high; the last is the power of two over its rows.
  const std::size_t pages = (rows + rowsPerPage - 1) / rowsPerPage;
  ASSERT_EQ(layout.pageHeights.size(), pages);
  ASSERT_GE(pages, 2u);
  for (std::size_t page = 0; page + 1 < pages; ++page) EXPECT_EQ(layout.pageHeights[page], 4096);
  const std::size_t lastRows = rows - (pages - 1) * rowsPerPage;
  EXPECT_EQ(layout.pageHeights.back(), TextureHeight(static_cast<std::int64_t>(lastRows - 1) * step + 16));
  EXPECT_EQ(layout.width, c.textureWidth);
}

INSTANTIATE_TEST_SUITE_P(TinyTextures, MonospacePaging,
                         testing::Values(PagingCase{16, 0, 0, 1}, PagingCase{16, 3, 0, 1}, PagingCase{32, 0, 0, 3},
                                         PagingCase{32, 5, 2, 2}, PagingCase{24, -4, 0, 2}));

TEST_F(MonospaceSet, ACharacterWiderThanThePageStillLandsOnEveryPageTop) {
  // Each character starts a new row, the first of a page included; no page is left empty
  // and none passes 4096.
  engine.textureWidth = 8;
  layout = engine.LayOutSet(Span(0x20, 0x4FF));
  std::map<int, int> perPage;
  for (const SetGlyph& glyph : layout.glyphs) {
    ++perPage[glyph.page];
    ASSERT_LE(glyph.record.y + 16, Fonter::kMaxPageHeight);
  }
  ASSERT_EQ(perPage.size(), layout.pageHeights.size());
  for (const auto& [page, count] : perPage) EXPECT_GT(count, 0) << "page " << page;
  EXPECT_EQ(layout.glyphs.front().record, (GlyphRecord{0, 16, 10}));
}

TEST_F(MonospaceSet, PagesAreDrawnOneAtATimeAtTheirOwnSize) {
  engine.textureWidth = 16;
  layout = engine.LayOutSet(Span(0x20, 0x4FF));
  ASSERT_GE(layout.pageHeights.size(), 2u);
  for (std::size_t page = 0; page < layout.pageHeights.size(); ++page) {
    const std::unique_ptr<platform::Bitmap> image = engine.DrawSetPage(layout, page);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Width(), 16);
    EXPECT_EQ(image->Height(), layout.pageHeights[page]);
    // Ink in the cell of the page's first "letter-like" character, none below its last row.
    int inked = 0;
    int lastBottom = 0;
    for (const SetGlyph& glyph : layout.glyphs) {
      if (glyph.page != static_cast<int>(page)) continue;
      lastBottom = std::max(lastBottom, glyph.record.y + 16);
      for (int y = glyph.record.y; y < glyph.record.y + 16; ++y) {
        for (int x = 0; x < 10; ++x) inked += image->Pixel(x, y) != 0;
      }
    }
    EXPECT_GT(inked, 0) << "page " << page;
    for (int y = lastBottom; y < image->Height(); ++y) {
      for (int x = 0; x < 16; ++x) ASSERT_EQ(image->Pixel(x, y), 0u) << x << "," << y << " page " << page;
    }
  }
  EXPECT_EQ(engine.DrawSetPage(layout, layout.pageHeights.size()), nullptr);
}

TEST_F(MonospaceSet, TheTextureAndItsRecordsStayAsTheyWere) {
  const TextureSize size = engine.GetTextureSize();
  const auto glyphs = engine.glyphs;
  engine.LayOutSet(Span(0x20, 0x4FF));
  EXPECT_EQ(engine.GetTextureSize(), size);
  EXPECT_EQ(engine.glyphs, glyphs);
}

// The set path measures as the 8-bit path: for every character both hold, the
// same width and advance, with and without synthesised bold and italic.
struct AgreeCase {
  std::uint8_t charset;
  std::int32_t weight;
  std::uint8_t italic;
};

class AgreesWithTheTexture : public testing::TestWithParam<AgreeCase> {};

TEST_P(AgreesWithTheTexture, WidthsAndAdvances) {
  const AgreeCase c = GetParam();
  Fonter engine;
  LOGFONTA desc = WithFace(engine, "DejaVu Sans", 32);
  desc.lfCharSet = c.charset;
  desc.lfWeight = c.weight;
  desc.lfItalic = c.italic;
  engine.Build(desc);
  const platform::CharsetMapping mapping = platform::BuildCharsetMapping(c.charset);
  std::map<char32_t, GlyphRecord> byCodePoint;
  for (int code = Fonter::kFirstCode; code < 256; ++code) {
    if (mapping.codePoints[code] >= 0) {
      byCodePoint.emplace(static_cast<char32_t>(mapping.codePoints[code]), engine.glyphs[code - Fonter::kFirstCode]);
    }
  }
  std::vector<char32_t> codePoints;
  for (const auto& [codePoint, record] : byCodePoint) codePoints.push_back(codePoint);
  const SetLayout layout = engine.LayOutSet(codePoints);
  const int overhang = engine.font->Face()->Overhang();
  EXPECT_EQ(layout.glyphs.size() + layout.missing.size(), codePoints.size());
  EXPECT_GT(layout.glyphs.size(), 150u);
  for (const SetGlyph& glyph : layout.glyphs) {
    EXPECT_EQ(glyph.record.width, byCodePoint.at(glyph.codePoint).width) << std::hex << static_cast<std::uint32_t>(glyph.codePoint);
    EXPECT_EQ(glyph.advance, glyph.record.width - overhang);
  }
  EXPECT_EQ(layout.cellHeight, engine.font->Face()->CellHeight());
}

INSTANTIATE_TEST_SUITE_P(Charsets, AgreesWithTheTexture,
                         testing::Values(AgreeCase{1, 400, 0}, AgreeCase{204, 400, 0}, AgreeCase{161, 700, 1},
                                         AgreeCase{238, 300, 1}));

TEST(SetLayoutMissing, CharactersTheFaceLacksAreLeftOutAndListed) {
  Fonter engine;
  engine.Build(WithFace(engine, "DejaVu Sans", 20));
  // DejaVu Sans has Latin and Cyrillic, but no Han, Hangul or private-use plane characters.
  const std::vector<char32_t> asked{'A', 'B', 0x416, 0x4E00, 0xAC00, 0x10FFFD};
  const SetLayout layout = engine.LayOutSet(asked);
  ASSERT_EQ(layout.glyphs.size(), 3u);
  EXPECT_EQ(layout.glyphs[0].codePoint, U'A');
  EXPECT_EQ(layout.glyphs[1].codePoint, U'B');
  EXPECT_EQ(layout.glyphs[2].codePoint, char32_t{0x416});
  EXPECT_EQ(layout.missing, (std::vector<char32_t>{0x4E00, 0xAC00, 0x10FFFD}));
  // The characters left out leave no gap: B follows A directly.
  EXPECT_EQ(layout.glyphs[1].record.x, layout.glyphs[0].record.width);
}

TEST(SetLayoutMissing, ASetOfNothingTheFaceHasHasNoPages) {
  Fonter engine;
  engine.Build(WithFace(engine, "DejaVu Sans", 20));
  const SetLayout layout = engine.LayOutSet({0x4E00, 0x4E01});
  EXPECT_TRUE(layout.glyphs.empty());
  EXPECT_TRUE(layout.pageHeights.empty());
  EXPECT_EQ(layout.missing.size(), 2u);
  EXPECT_EQ(engine.DrawSetPage(layout, 0), nullptr);
}

}  // namespace
}  // namespace vantor

namespace vantor {
namespace {

// Over many heights, widths and leadings: every cell lies inside its page (a cell
// no wider than the page), and each page is the smallest power of two holding its rows.
TEST(SetLayoutPages, HoldEveryCellInTheSmallestPowerOfTwo) {
  std::vector<char32_t> codePoints;
  for (char32_t c = 0x20; c <= 0x24F; ++c) codePoints.push_back(c);
  for (const int height : {8, 13, 20, 31, 47, 64, 150}) {
    for (const int width : {64, 256, 1000}) {
      for (const int leading : {-5, 0, 7}) {
        SCOPED_TRACE(testing::Message() << "height " << height << " width " << width << " leading " << leading);
        Fonter engine;
        engine.textureWidth = width;
        engine.leading = leading;
        engine.Build(WithFace(engine, "DejaVu Sans", height));
        const SetLayout layout = engine.LayOutSet(codePoints);
        ASSERT_FALSE(layout.pageHeights.empty());
        std::vector<int> bottoms(layout.pageHeights.size(), 0);
        for (const SetGlyph& glyph : layout.glyphs) {
          ASSERT_LT(static_cast<std::size_t>(glyph.page), bottoms.size());
          ASSERT_GE(glyph.record.y, 0);
          if (glyph.record.width <= width) {
            ASSERT_LE(glyph.record.x + glyph.record.width, width);
          }
          int& bottom = bottoms[static_cast<std::size_t>(glyph.page)];
          bottom = std::max(bottom, glyph.record.y + glyph.height);
        }
        for (std::size_t p = 0; p < bottoms.size(); ++p) {
          const int pageHeight = layout.pageHeights[p];
          ASSERT_EQ(pageHeight & (pageHeight - 1), 0) << "page " << p;
          ASSERT_LE(bottoms[p], pageHeight) << "page " << p;
          ASSERT_GT(2 * bottoms[p], pageHeight) << "page " << p << " is larger than it needs";
        }
      }
    }
  }
}

}  // namespace
}  // namespace vantor

#include "TestFiles.h"
#include "TestFonts.h"
#include "TextDescriptor.h"
#include "files/export/BakeOutputs.h"
#include "files/export/DescribeFont.h"
#include "files/export/PageImages.h"
#include "files/export/SampleImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <sstream>
#include <utility>

namespace vantor::files {
namespace {

using test::ReadFile;
using test::TempDir;

// A written descriptor's characters by id and its pairs, read by the tests' own reader.
struct WrittenFont {
  std::map<char32_t, BitmapFontChar> chars;
  std::map<std::pair<char32_t, char32_t>, int> kernings;
};

WrittenFont ReadWritten(const std::string& text) {
  std::istringstream lines(text);
  const BitmapFontDescription read = test::ReadTextDescriptor(lines);
  WrittenFont font;
  for (const BitmapFontChar& c : read.chars) font.chars[static_cast<char32_t>(c.id)] = c;
  for (const BitmapFontKerning& k : read.kernings) font.kernings[{k.first, k.second}] = k.amount;
  return font;
}

struct Baked {
  std::unique_ptr<Fonter> engine;
  BakeFont font;
  BitmapFontDescription description;
  std::vector<std::shared_ptr<const ColourImage>> pages;
  WrittenFont written;
};

Baked BakeAndWrite(int spread, const TempDir& dir) {
  Baked baked;
  baked.engine = std::make_unique<Fonter>();
  Fonter& engine = *baked.engine;
  engine.distanceSpread = spread;
  test::BuildDejaVu(engine, 24);
  const std::vector<char32_t> codePoints = test::Ascii();
  OutputChoice choice;
  choice.descriptor = OutputFormat::BmfontText;
  choice.layout.boxes.padding.fill(0);
  const PlannedFont planned = PlanFont(engine, codePoints, choice);
  EXPECT_EQ(planned.refused, "");
  baked.font = planned.font;
  const std::string base = dir.Path(spread > 0 ? "field" : "cover");
  EXPECT_TRUE(WriteBake(engine, baked.font, base, choice).Ok());
  baked.written = ReadWritten(ReadFile(base + ".fnt"));
  const OutputPaths paths = NameOutputs(base, choice, baked.font.layout->pageHeights.size());
  baked.description = DescribeFont(engine, *baked.font.layout, paths.pages);
  for (std::size_t page = 0; page < paths.pages.size(); ++page) {
    std::optional<ColourImage> image = DrawPageImage(engine, baked.font, page);
    EXPECT_TRUE(image.has_value());
    baked.pages.push_back(std::make_shared<const ColourImage>(std::move(*image)));
  }
  return baked;
}

// Where the written descriptor puts each character's box on a line, in font pixels from the pen's start.
struct Box {
  int left, top, right, bottom;
  bool inked;
  int firstInk, lastInk;  // columns of the line, in font pixels, where the box's page pixels have ink
};

std::vector<Box> ExpectedBoxes(const WrittenFont& font, const std::vector<std::shared_ptr<const ColourImage>>& pages,
                               const std::u32string& line) {
  std::vector<Box> boxes;
  int pen = 0;
  char32_t before = 0;
  for (const char32_t code : line) {
    if (before != 0 && font.kernings.count({before, code}) > 0) pen += font.kernings.at({before, code});
    const BitmapFontChar& c = font.chars.at(code);
    const int left = pen + c.xoffset;
    const int top = c.yoffset;
    Box box{left, top, left + c.width, top + c.height, false, 0, 0};
    const ColourImage& page = *pages.at(static_cast<std::size_t>(c.page));
    for (int x = 0; x < c.width; ++x) {
      for (int y = 0; y < c.height; ++y) {
        const std::size_t at = (static_cast<std::size_t>(c.y + y) * page.width + c.x + x) * 4 + 3;
        if (page.rgba[at] == 0) continue;
        if (!box.inked) box.firstInk = left + x;
        box.inked = true;
        box.lastInk = left + x;
        break;
      }
    }
    boxes.push_back(box);
    pen += c.xadvance;
    before = code;
  }
  return boxes;
}

// Leftmost and rightmost columns whose alpha reaches `threshold`; -1, -1 when none.
std::pair<int, int> InkColumns(const SampleImage& image, int threshold) {
  int first = -1;
  int last = -1;
  for (int x = 0; x < image.width; ++x) {
    for (int y = 0; y < image.height; ++y) {
      if (image.Pixel(x, y)[3] >= threshold) {
        if (first < 0) first = x;
        last = x;
        break;
      }
    }
  }
  return {first, last};
}

std::u32string RandomLine(std::mt19937& random) {
  const std::u32string letters = U"AVTWYoaeLPFjy.,'lI";
  std::u32string line;
  const std::size_t length = 1 + random() % 16;
  for (std::size_t i = 0; i < length; ++i) line += letters[random() % letters.size()];
  return line;
}

// Over random lines and every scale, coverage and fields alike: nothing is drawn
// outside the boxes the written descriptor places (pen, kerning, offsets,
// advances), and a coverage line's ink starts and ends where its first and last
// boxes do, so its drawn width is the sum of its advances and kerning amounts.
// A field drawn through the threshold ends where the coverage ends, with an
// edge about one screen pixel wide.
TEST(SampleImage, DrawsEveryLineWhereTheWrittenDescriptorPutsIt) {
  TempDir dir;
  const Baked cover = BakeAndWrite(0, dir);
  const Baked field = BakeAndWrite(4, dir);
  std::mt19937 random(5);
  int kerned = 0;
  for (int round = 0; round < 40; ++round) {
    const std::u32string line = RandomLine(random);
    const int scale = 1 + round % SampleLook::kMaxScale;
    SCOPED_TRACE(testing::Message() << "line " << round << " at " << scale << "x");
    std::pair<int, int> coverInk;
    for (const Baked* baked : {&cover, &field}) {
      const bool isField = baked == &field;
      const std::vector<Box> boxes = ExpectedBoxes(baked->written, baked->pages, line);
      const SampleLayout layout = LayOutSample(baked->description, line, 8);
      const SampleImage image = DrawSample(layout, baked->pages, {.scale = scale, .field = isField});
      ASSERT_FALSE(image.cut);
      for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
          if (image.Pixel(x, y)[3] == 0) continue;
          const int fx = (x - image.penX) / scale - ((x - image.penX) % scale < 0);
          const int fy = (y - image.penY) / scale - ((y - image.penY) % scale < 0);
          const bool inBox = std::any_of(boxes.begin(), boxes.end(), [&](const Box& b) {
            return fx >= b.left && fx < b.right && fy >= b.top && fy < b.bottom;
          });
          ASSERT_TRUE(inBox) << "ink at " << x << "," << y << (isField ? " (field)" : "");
        }
      }
      if (!isField) {
        bool inked = false;
        int first = 0;
        int last = 0;
        for (const Box& b : boxes) {
          if (!b.inked) continue;
          first = inked ? std::min(first, b.firstInk) : b.firstInk;
          last = inked ? std::max(last, b.lastInk) : b.lastInk;
          inked = true;
        }
        if (!inked) break;  // only blank characters
        // Linear filtering spreads an inked column at most half a font pixel into a blank one.
        const std::pair<int, int> ink = InkColumns(image, 1);
        EXPECT_LE(ink.first, image.penX + first * scale);
        EXPECT_GE(ink.first, image.penX + first * scale - scale / 2);
        EXPECT_GE(ink.second, image.penX + (last + 1) * scale - 1);
        EXPECT_LE(ink.second, image.penX + (last + 1) * scale - 1 + scale / 2);
        coverInk = InkColumns(image, 128);
        coverInk.first -= image.penX;
        coverInk.second -= image.penX;
      } else {
        // The field's half-way edge lies where coverage is about half: within a font pixel of it.
        const std::pair<int, int> half = InkColumns(image, 128);
        EXPECT_NEAR(half.first - image.penX, coverInk.first, scale + 1);
        EXPECT_NEAR(half.second - image.penX, coverInk.second, scale + 1);
        // and the edge is sharp at every scale: from faint to half within about one screen pixel.
        const std::pair<int, int> faint = InkColumns(image, 8);
        EXPECT_LE(half.first - faint.first, 2);
        EXPECT_LE(faint.second - half.second, 2);
      }
    }
    for (std::size_t i = 1; i < line.size(); ++i) kerned += cover.written.kernings.count({line[i - 1], line[i]}) > 0;
  }
  EXPECT_GT(kerned, 10) << "the lines should hold kerning pairs";
}

// At 1x a coverage character is its page's box, pixel for pixel; a missing one
// is a hollow marker as wide as its gap and a line high.
TEST(SampleImage, CopiesBoxesAtOneToOneAndMarksGaps) {
  TempDir dir;
  const Baked cover = BakeAndWrite(0, dir);
  const SampleLayout layout = LayOutSample(cover.description, U"g\u00E9", 9);
  const SampleImage image = DrawSample(layout, cover.pages, {});
  const PlacedGlyph& g = layout.glyphs[0];
  const ColourImage& page = *cover.pages[static_cast<std::size_t>(g.glyph->page)];
  for (int y = 0; y < g.glyph->height; ++y) {
    for (int x = 0; x < g.glyph->width; ++x) {
      const std::uint8_t alpha = page.rgba[(static_cast<std::size_t>(g.glyph->y + y) * page.width + g.glyph->x + x) * 4 + 3];
      ASSERT_EQ(image.Pixel(image.penX + g.x + x, image.penY + g.y + y)[3], alpha) << x << "," << y;
    }
  }
  const PlacedGlyph& gap = layout.glyphs[1];
  ASSERT_EQ(gap.glyph, nullptr);
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{8, 0}, std::pair{0, layout.lineHeight - 1}, std::pair{8, layout.lineHeight - 1}}) {
    const std::uint8_t* pixel = image.Pixel(image.penX + gap.x + x, image.penY + gap.y + y);
    EXPECT_TRUE(std::equal(kGapMarker, kGapMarker + 4, pixel)) << x << "," << y;
  }
  EXPECT_EQ(image.Pixel(image.penX + gap.x + 4, image.penY + gap.y + layout.lineHeight / 2)[3], 0);
}

// A text longer than any view is cut, never drawn beyond the largest image.
TEST(SampleImage, CutsATextBeyondTheLargestImage) {
  TempDir dir;
  const Baked cover = BakeAndWrite(0, dir);
  const std::u32string text(4000, U'W');
  const SampleImage image = DrawSample(LayOutSample(cover.description, text + U"\n" + text, 8), cover.pages, {.scale = 8});
  EXPECT_TRUE(image.cut);
  EXPECT_LE(static_cast<std::int64_t>(image.width) * image.height, SampleImage::kMaxPixels);
  EXPECT_EQ(image.rgba.size(), static_cast<std::size_t>(image.width) * image.height * 4);
}

}  // namespace
}  // namespace vantor::files

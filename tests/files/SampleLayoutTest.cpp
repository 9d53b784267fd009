#include "TestFonts.h"
#include "files/export/BakeOutputs.h"
#include "files/export/DescribeFont.h"
#include "files/export/SampleLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <utility>

namespace vantor::files {
namespace {

constexpr int kGap = 7;

// A small descriptor made by hand: A and V with a pair, no B.
BitmapFontDescription HandFont() {
  BitmapFontDescription font;
  font.lineHeight = 20;
  font.base = 16;
  font.chars = {{.id = 'A', .xoffset = 1, .yoffset = 2, .xadvance = 10}, {.id = 'V', .xoffset = -1, .yoffset = 3, .xadvance = 9}};
  font.kernings = {{'A', 'V', -2}};
  return font;
}

struct Case {
  std::u32string text;
  std::vector<int> lineWidths;
  std::vector<int> xs;  // each placed character's box left
};

TEST(SampleLayout, PlacesCharactersAsAnEngineDraws) {
  const BitmapFontDescription font = HandFont();
  const Case cases[] = {
      {U"A", {10}, {1}},
      {U"AV", {17}, {1, 7}},          // 10 - 2, then V's offset -1
      {U"VA", {19}, {-1, 10}},        // no pair V,A
      {U"ABV", {26}, {1, 10, 16}},    // the gap breaks the pair
      {U"A\nV", {10, 9}, {1, -1}},    // a line break starts at the left again
      {U"", {0}, {}},
  };
  for (const Case& test : cases) {
    const SampleLayout layout = LayOutSample(font, test.text, kGap);
    EXPECT_EQ(layout.lineWidths, test.lineWidths);
    ASSERT_EQ(layout.glyphs.size(), test.xs.size());
    for (std::size_t i = 0; i < test.xs.size(); ++i) EXPECT_EQ(layout.glyphs[i].x, test.xs[i]);
    EXPECT_EQ(layout.height, static_cast<int>(test.lineWidths.size()) * font.lineHeight);
  }
  const SampleLayout twoLines = LayOutSample(font, U"A\nV", kGap);
  EXPECT_EQ(twoLines.glyphs[1].y, font.lineHeight + 3);
  EXPECT_EQ(LayOutSample(font, U"B", kGap).glyphs[0].glyph, nullptr);
}

// With a written descriptor of DejaVu Sans: a line's width is the sum of its
// advances and of the kerning amounts of its neighbouring pairs, whatever the line.
TEST(SampleLayout, ALinesWidthIsItsAdvancesAndKerningAmounts) {
  Fonter engine;
  test::BuildDejaVu(engine, 24);
  const std::vector<char32_t> codePoints = test::Ascii();
  const BakeFont baked = SetFont(engine, codePoints);
  const BitmapFontDescription font = DescribeFont(engine, *baked.layout, {"sample_0.png"});
  ASSERT_FALSE(font.kernings.empty());
  std::map<char32_t, int> advance;
  for (const BitmapFontChar& c : font.chars) advance[c.id] = c.xadvance;
  std::map<std::pair<char32_t, char32_t>, int> pairs;
  for (const BitmapFontKerning& k : font.kernings) pairs[{k.first, k.second}] = k.amount;
  const std::u32string letters = U"AVTWYoaeLPFjy.,' ";
  std::mt19937 random(11);
  int kerned = 0;
  for (int round = 0; round < 300; ++round) {
    std::u32string line;
    const std::size_t length = 1 + random() % 24;
    for (std::size_t i = 0; i < length; ++i) line += letters[random() % letters.size()];
    int expected = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
      expected += advance.at(line[i]);
      if (i > 0 && pairs.count({line[i - 1], line[i]}) != 0) {
        expected += pairs.at({line[i - 1], line[i]});
        ++kerned;
      }
    }
    const SampleLayout layout = LayOutSample(font, line, kGap);
    ASSERT_EQ(layout.lineWidths.size(), 1u);
    EXPECT_EQ(layout.lineWidths[0], expected) << std::string(line.begin(), line.end());
  }
  EXPECT_GT(kerned, 0);  // the lines did meet pairs
}

}  // namespace
}  // namespace vantor::files

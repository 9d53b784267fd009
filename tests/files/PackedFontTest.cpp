#include "files/export/BakeOutputs.h"
#include "files/export/DescribeFont.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace vantor::files {
namespace {

// A font as an engine holds it: the descriptor and its pages.
struct LoadedFont {
  BitmapFontDescription description;
  std::vector<std::unique_ptr<platform::Bitmap>> pages;
};

LoadedFont Load(Fonter& engine, const SetLayout& layout) {
  LoadedFont font;
  std::vector<std::string> names(layout.pageHeights.size(), "page.png");
  font.description = DescribeFont(engine, layout, names);
  for (std::size_t page = 0; page < names.size(); ++page) font.pages.push_back(engine.DrawSetPage(layout, page));
  return font;
}

const BitmapFontChar* Find(const BitmapFontDescription& font, std::uint32_t id) {
  const auto it = std::find_if(font.chars.begin(), font.chars.end(), [id](const BitmapFontChar& c) { return c.id == id; });
  return it == font.chars.end() ? nullptr : &*it;
}

// `text` set as an engine sets it from the descriptor: pen, kerning, offsets and
// advances, each box's pixels laid over what is there by their higher value.
std::vector<int> SetText(const LoadedFont& font, const std::u32string& text, int width, int height) {
  std::vector<int> canvas(static_cast<std::size_t>(width) * height, 0);
  int pen = 8;
  const int top = 8;
  char32_t before = 0;
  for (const char32_t code : text) {
    for (const BitmapFontKerning& pair : font.description.kernings) {
      if (pair.first == before && pair.second == code) pen += pair.amount;
    }
    const BitmapFontChar& c = *Find(font.description, code);
    const platform::Bitmap& page = *font.pages[static_cast<std::size_t>(c.page)];
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        int& out = canvas[static_cast<std::size_t>(top + c.yoffset + y) * width + pen + c.xoffset + x];
        out = std::max(out, static_cast<int>(page.Pixel(c.x + x, c.y + y) & 0xFF));
      }
    }
    pen += c.xadvance;
    before = code;
  }
  return canvas;
}

// Text whose glyphs stay inside their cells is drawn the same from glyph boxes as
// from the cells: the same pen positions, baseline and pixels, kerning included.
TEST(PackedFont, SetsTextAsTheCellsDo) {
  struct Case {
    const char* what;
    std::int32_t weight;
    std::int32_t spread;
  };
  const std::u32string phrase = U"AVATAR Hamburgefonstiv WAVE To yj";
  for (const Case& c : {Case{"coverage", 400, 0}, Case{"bold", 700, 0}, Case{"distance field", 400, 4}}) {
    SCOPED_TRACE(c.what);
    Fonter engine;
    engine.distanceSpread = c.spread;
    FontSettings settings = engine.GetFontSettings();
    settings.face = "DejaVu Sans";
    settings.height = 32;
    settings.weight = c.weight;
    engine.Build(settings);
    // Gaps between the cells, so that no neighbour's ink reaches into a cell.
    engine.kerning = 3;
    std::vector<char32_t> codePoints;
    for (char32_t code = 0x20; code < 0x7F; ++code) codePoints.push_back(code);

    OutputChoice choice{.params = false, .descriptor = OutputFormat::BmfontText, .layout = {}, .effects = {}};
    const PlannedFont packed = PlanFont(engine, codePoints, choice);
    ASSERT_EQ(packed.refused, "");
    ASSERT_TRUE(packed.font.layout->packed);
    choice.layout.packed = false;
    const PlannedFont cells = PlanFont(engine, codePoints, choice);
    ASSERT_EQ(cells.refused, "");

    const LoadedFont fromBoxes = Load(engine, *packed.font.layout);
    const LoadedFont fromCells = Load(engine, *cells.font.layout);
    EXPECT_EQ(fromBoxes.description.lineHeight, fromCells.description.lineHeight);
    EXPECT_EQ(fromBoxes.description.base, fromCells.description.base);
    EXPECT_FALSE(fromBoxes.description.kernings.empty());
    EXPECT_EQ(fromBoxes.description.kernings, fromCells.description.kernings);
    // The text keeps the characters whose ink lies inside their cells: the cells cut the others.
    std::u32string text;
    for (const char32_t code : phrase) {
      const BitmapFontChar& box = *Find(fromBoxes.description, code);
      const BitmapFontChar& cell = *Find(fromCells.description, code);
      if (box.width == 0 || (box.xoffset >= cell.xoffset && box.xoffset + box.width <= cell.xoffset + cell.width &&
                             box.yoffset >= cell.yoffset && box.yoffset + box.height <= cell.yoffset + cell.height)) {
        text += code;
      }
    }
    ASSERT_GE(text.size(), 20u);
    const std::vector<int> expected = SetText(fromCells, text, 800, 80);
    ASSERT_GT(std::count_if(expected.begin(), expected.end(), [](int v) { return v > 0; }), 1000);
    EXPECT_EQ(SetText(fromBoxes, text, 800, 80), expected);
  }
}

}  // namespace
}  // namespace vantor::files

// Fallback faces: a character the font's face lacks is drawn from the first
// fallback face that has it, at the font's pixels per em, on the font's
// baseline, exactly as that face draws it alone; line metrics stay the font's,
// and kerning never pairs characters of two faces.
#include "EngineTesting.h"

#include "engine/Fonter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantor {
namespace {

using testing_support::WithFace;

constexpr char kMain[] = "DejaVu Sans";
constexpr char kMath[] = "DejaVu Math TeX Gyre";

// Latin, which DejaVu Sans has, and mathematical bold letters, which only the math face has.
std::vector<char32_t> TwoFaceSet() {
  std::vector<char32_t> set;
  for (char32_t c = 0x41; c <= 0x5A; ++c) set.push_back(c);
  for (char32_t c = 0x61; c <= 0x7A; ++c) set.push_back(c);
  for (char32_t c = 0x1D400; c <= 0x1D433; ++c) set.push_back(c);
  set.push_back(0x4E00);  // in neither
  return set;
}

const SetGlyph* Find(const SetLayout& layout, char32_t codePoint) {
  const auto found = std::find_if(layout.glyphs.begin(), layout.glyphs.end(),
                                  [codePoint](const SetGlyph& g) { return g.codePoint == codePoint; });
  return found == layout.glyphs.end() ? nullptr : &*found;
}

struct FaceCase {
  std::int32_t height;
  std::uint8_t quality;
  bool packed;
};

TEST(FallbackFaces, EachCharacterComesWholeFromTheFirstFaceThatHasItOnTheFontsLine) {
  const FaceCase cases[] = {{16, 4, true}, {32, 4, true}, {33, 3, true}, {48, 4, false}, {25, 0, false}};
  for (const FaceCase& c : cases) {
    SCOPED_TRACE("height " + std::to_string(c.height) + (c.packed ? " packed" : " cells"));
    Fonter engine;
    LOGFONTA desc = WithFace(engine, kMain, c.height);
    desc.lfQuality = c.quality;
    engine.Build(desc);
    Fonter alone;
    alone.Build(desc);
    const SetLayout plain = alone.LayOutSet(TwoFaceSet());
    engine.SetFallbacks({"No Such Face At All", kMath});
    const SetLayout cells = engine.LayOutSet(TwoFaceSet());

    // The math face alone at the font's pixels per em: what each fallback character must be.
    Fonter math;
    LOGFONTA mathDesc = WithFace(math, kMath, -engine.DrawingFace()->PixelsPerEm());
    mathDesc.lfQuality = c.quality;
    math.Build(mathDesc);
    const SetLayout mathCells = math.LayOutSet(TwoFaceSet());

    EXPECT_EQ(cells.cellHeight, plain.cellHeight);
    EXPECT_EQ(cells.ascent, plain.ascent);
    EXPECT_EQ(cells.missing, std::vector<char32_t>{0x4E00});
    ASSERT_EQ(cells.glyphs.size(), TwoFaceSet().size() - 1);

    const BoxRules rules;
    const SetLayout layout = c.packed ? engine.PackGlyphBoxes(cells, rules).layout : cells;
    const SetLayout mathLayout = c.packed ? math.PackGlyphBoxes(mathCells, rules).layout : mathCells;
    const SetLayout aloneLayout = c.packed ? alone.PackGlyphBoxes(plain, rules).layout : plain;
    const int shift = engine.DrawingFace()->Ascent() - math.DrawingFace()->Ascent();
    for (const SetGlyph& glyph : layout.glyphs) {
      const bool fromMath = glyph.codePoint >= 0x1D400;
      // Face 1 names no face at all: nothing may come from it.
      EXPECT_EQ(glyph.face, fromMath ? 2 : 0) << std::hex << static_cast<std::uint32_t>(glyph.codePoint);
      const SetGlyph* own = Find(fromMath ? mathLayout : aloneLayout, glyph.codePoint);
      ASSERT_NE(own, nullptr);
      EXPECT_EQ(glyph.advance, own->advance) << std::hex << static_cast<std::uint32_t>(glyph.codePoint);
      if (c.packed) {
        EXPECT_EQ(glyph.record.width, own->record.width) << std::hex << static_cast<std::uint32_t>(glyph.codePoint);
        EXPECT_EQ(glyph.height, own->height) << std::hex << static_cast<std::uint32_t>(glyph.codePoint);
        EXPECT_EQ(glyph.xoffset, own->xoffset) << std::hex << static_cast<std::uint32_t>(glyph.codePoint);
        // The same height above the baseline, on the font's baseline.
        EXPECT_EQ(glyph.yoffset, own->yoffset + (fromMath ? shift : 0)) << std::hex << static_cast<std::uint32_t>(glyph.codePoint);
      }
    }
    if (!c.packed) continue;
    // The ink on the page is the face's own, pixel for pixel.
    for (const char32_t codePoint : {char32_t{0x1D400}, char32_t{0x1D41A}, char32_t{0x1D433}}) {
      const SetGlyph* mixed = Find(layout, codePoint);
      const SetGlyph* own = Find(mathLayout, codePoint);
      const auto mixedPage = engine.DrawSetPage(layout, static_cast<std::size_t>(mixed->page));
      const auto ownPage = math.DrawSetPage(mathLayout, static_cast<std::size_t>(own->page));
      for (int y = 0; y < mixed->height; ++y) {
        for (int x = 0; x < mixed->record.width; ++x) {
          ASSERT_EQ(mixedPage->Pixel(mixed->record.x + x, mixed->record.y + y),
                    ownPage->Pixel(own->record.x + x, own->record.y + y))
              << std::hex << static_cast<std::uint32_t>(codePoint) << " at " << std::dec << x << "," << y;
        }
      }
    }
  }
}

TEST(FallbackFaces, KerningPairsNeverSpanTwoFacesAndEachFaceKeepsItsOwn) {
  Fonter engine;
  engine.Build(WithFace(engine, kMain, 32));
  std::vector<std::uint32_t> latin;
  for (std::uint32_t c = 0x20; c < 0x7F; ++c) latin.push_back(c);
  const std::vector<platform::KerningPair> alone = engine.Kerning(latin);
  ASSERT_FALSE(alone.empty());
  engine.SetFallbacks({kMath});
  std::vector<std::uint32_t> both = latin;
  for (std::uint32_t c = 0x1D400; c <= 0x1D433; ++c) both.push_back(c);
  const std::vector<platform::KerningPair> mixed = engine.Kerning(both);
  std::vector<platform::KerningPair> latinPairs;
  for (const platform::KerningPair& pair : mixed) {
    EXPECT_EQ(engine.FaceFor(pair.first), engine.FaceFor(pair.second)) << std::hex << pair.first << " " << pair.second;
    if (engine.FaceFor(pair.first) == 0) latinPairs.push_back(pair);
  }
  EXPECT_EQ(latinPairs, alone);
  EXPECT_TRUE(std::is_sorted(mixed.begin(), mixed.end(), [](const auto& l, const auto& r) {
    return l.first != r.first ? l.first < r.first : l.second < r.second;
  }));
}

}  // namespace
}  // namespace vantor

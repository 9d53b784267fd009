#include "EngineTesting.h"
#include "PackChecks.h"

#include "engine/GlyphPacker.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantor {
namespace {

using testing_support::BrokenPromise;
using testing_support::WithFace;

// The ink boxes of real characters: DejaVu Sans at height 32.
class DejaVuPacking : public testing::Test {
 protected:
  DejaVuPacking() { engine.Build(WithFace(engine, "DejaVu Sans", 32)); }

  // The ink box of each code point from `first` to `last` the face has.
  std::vector<BoxSize> CodePoints(char32_t first, char32_t last) {
    std::vector<BoxSize> boxes;
    platform::SizedFace* face = engine.DrawingFace();
    for (char32_t c = first; c <= last; ++c) {
      if ((c >= 0xD800 && c <= 0xDFFF) || !face->HasCodePoint(c)) continue;
      const platform::RenderedGlyph& glyph = face->CodePointGlyph(c);
      boxes.push_back({glyph.width, glyph.rows});
    }
    return boxes;
  }
  // The ink box of each byte of the default character set from 32 to 255.
  std::vector<BoxSize> DefaultSet() {
    std::vector<BoxSize> boxes;
    for (int byte = Fonter::kFirstCode; byte < 256; ++byte) {
      const platform::RenderedGlyph& glyph = engine.DrawingFace()->Glyph(static_cast<std::uint8_t>(byte));
      boxes.push_back({glyph.width, glyph.rows});
    }
    return boxes;
  }

  Fonter engine;
};

TEST_F(DejaVuPacking, EachSetFitsOneSmallPage) {
  ASSERT_EQ(engine.GetFaceName(), "DejaVu Sans");
  struct Case {
    const char* what;
    std::vector<BoxSize> sizes;
    std::size_t count;
    TextureSize page;
  };
  // ASCII needs half of a 256 × 256 page.
  const Case cases[] = {{"ASCII", CodePoints(0x20, 0x7E), 95, {256, 128}},
                        {"codes 32..255", DefaultSet(), 224, {256, 512}},
                        {"every character", CodePoints(0, 0x10FFFF), 5918, {2048, 2048}}};
  for (const Case& c : cases) {
    ASSERT_EQ(c.sizes.size(), c.count) << c.what;
    for (const bool powerOfTwo : {true, false}) {
      PackRules rules;
      rules.powerOfTwo = powerOfTwo;
      const PackedPages packed = PackBoxes(c.sizes, rules);
      ASSERT_EQ(BrokenPromise(c.sizes, rules, packed), "") << c.what;
      ASSERT_EQ(packed.pages.size(), 1u) << c.what;
      if (powerOfTwo) {
        EXPECT_EQ(packed.pages[0], c.page) << c.what;
      }
      EXPECT_EQ(PackBoxes(c.sizes, rules), packed) << c.what;
    }
  }
}

}  // namespace
}  // namespace vantor

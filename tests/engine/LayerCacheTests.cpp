// Effect layers kept from packing to drawing: what a bake draws after any change
// of font or effects is what an engine that never drew before draws.
#include "EngineTesting.h"

#include "engine/LayerCache.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vantor {
namespace {

using testing_support::WithFace;

std::vector<char32_t> Letters() {
  std::vector<char32_t> codePoints;
  for (char32_t c = U'A'; c <= U'z'; ++c) codePoints.push_back(c);
  return codePoints;
}

Effects Outlined(int outline) {
  Effects effects;
  effects.outline = outline;
  effects.shadow = true;
  effects.shadowX = 2;
  effects.shadowY = 1;
  return effects;
}

// The pages and boxes of a packed bake of Letters() with `effects`.
struct Drawn {
  std::vector<SetGlyph> glyphs;
  std::vector<std::vector<std::uint8_t>> pages;
  friend bool operator==(const Drawn&, const Drawn&) = default;
};

Drawn Draw(Fonter& engine, const Effects& effects) {
  const SetLayout layout = engine.PackGlyphBoxes(engine.LayOutSet(Letters()), BoxRules{}, effects).layout;
  Drawn drawn{layout.glyphs, {}};
  for (std::size_t page = 0; page < layout.pageHeights.size(); ++page) {
    drawn.pages.push_back(engine.DrawEffectsPage(layout, page)->rgba);
  }
  return drawn;
}

// A change after a first bake, and the settings it leaves, which a fresh engine is given.
struct Change {
  std::string name;
  std::function<void(Fonter&)> apply;  // on either engine, after its font is made
  Effects effects;                     // the second bake's
};

TEST(LayerCache, ABakeAfterAChangeDrawsAsAFreshEngine) {
  const Change changes[] = {
      {"height", [](Fonter& e) { e.Build(WithFace(e, "DejaVu Sans", 40)); }, Outlined(2)},
      {"face", [](Fonter& e) { e.Build(WithFace(e, "DejaVu Serif", 32)); }, Outlined(2)},
      {"mono", [](Fonter& e) {
         LOGFONTA desc = WithFace(e, "DejaVu Sans", 32);
         desc.lfQuality = platform::kNonAntialiasedQuality;
         e.Build(desc);
       }, Outlined(2)},
      {"outline", [](Fonter&) {}, Outlined(4)},
      {"shadow", [](Fonter&) {}, [] { Effects e = Outlined(2); e.shadowX = -3; e.shadowBlur = 1; return e; }()},
  };
  for (const Change& change : changes) {
    Fonter used;
    used.Build(WithFace(used, "DejaVu Sans", 32));
    Draw(used, Outlined(2));
    change.apply(used);
    Fonter fresh;
    fresh.Build(WithFace(fresh, "DejaVu Sans", 32));
    change.apply(fresh);
    EXPECT_TRUE(Draw(used, change.effects) == Draw(fresh, change.effects)) << change.name;
  }
}

TEST(LayerCache, KeepsWhatItDrawsAndLetsItGoOnClear) {
  Fonter engine;
  engine.Build(WithFace(engine, "DejaVu Sans", 32));
  platform::SizedFace& face = *engine.DrawingFace();
  const SetLayout cells = engine.LayOutSet(Letters());
  LayerCache cache;
  cache.Prepare(face, cells.glyphs, Outlined(2), false, 0);
  EXPECT_EQ(cache.Size(), cells.glyphs.size());
  // Kept layers are the ones drawn without keeping; other effects start over.
  for (const SetGlyph& glyph : cells.glyphs) {
    const GlyphLayers fresh = LayersOf(face, glyph, Outlined(2), false);
    const GlyphLayers& kept = cache.Layers(face, glyph, Outlined(2), false, 0);
    EXPECT_EQ(kept.glyph.values, fresh.glyph.values);
    EXPECT_EQ(kept.outline.values, fresh.outline.values);
    EXPECT_EQ(kept.shadow.values, fresh.shadow.values);
    EXPECT_EQ(kept.outline.left, fresh.outline.left);
    EXPECT_EQ(kept.shadow.top, fresh.shadow.top);
  }
  cache.Layers(face, cells.glyphs.front(), Outlined(3), false, 0);
  EXPECT_EQ(cache.Size(), 1u);
  cache.Clear();
  EXPECT_EQ(cache.Size(), 0u);
}

}  // namespace
}  // namespace vantor

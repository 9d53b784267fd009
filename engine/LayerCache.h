#pragma once

// The effect layers of glyphs, kept from measuring their boxes to drawing their
// pages, so each glyph is stroked, blurred and joined once per bake rather than
// once for its box and again for its page.
//
//   LayerCache cache;
//   const GlyphLayers& layers = cache.Layers(face, glyph, effects, mono, spread);  // drawn
//   cache.Layers(face, glyph, effects, mono, spread);                              // kept
//   cache.Clear();                                                                 // the font changed

#include "engine/Effects.h"
#include "engine/GlyphEffects.h"
#include "engine/SetLayout.h"
#include "platform/SizedFace.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace vantor {

/// Glyph layers by the glyph they belong to, for one face, one set of effects, one quality
/// and one field spread at a time; asked with any other, it lets the kept ones go.
class LayerCache {
 public:
  /// The most bytes of coverage kept; past it layers are drawn each time they are asked for.
  static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

  /// The layers of `glyph` drawn with `face` (LayersOf), kept from an earlier call when it asked
  /// for the same; the reference holds until the next call or Clear.
  const GlyphLayers& Layers(platform::SizedFace& face, const SetGlyph& glyph, const Effects& effects, bool mono,
                            int spread);
  /// Draws and keeps the layers of those of `glyphs` not kept yet, as Layers would, their
  /// outlines stroked on two threads; as many as kMaxBytes holds.
  void Prepare(platform::SizedFace& face, const std::vector<SetGlyph>& glyphs, const Effects& effects, bool mono,
               int spread);
  /// Lets every kept layer go: the font they were drawn with changed.
  void Clear();
  /// How many glyphs' layers are kept.
  std::size_t Size() const { return kept_.size(); }

 private:
  using Key = std::pair<std::int32_t, char32_t>;  // byte (-1: none) and code point (0 with a byte)
  static Key KeyOf(const SetGlyph& glyph) { return {glyph.byte, glyph.byte >= 0 ? U'\0' : glyph.codePoint}; }
  // Starts over when the layers asked for are not the ones kept.
  void Select(const platform::SizedFace& face, const Effects& effects, bool mono, int spread);
  // Keeps `layers` for `key` when the budget holds them; the layers kept, or unkept_.
  const GlyphLayers& Keep(const Key& key, GlyphLayers layers);

  const platform::SizedFace* face_ = nullptr;
  Effects effects_;
  bool mono_ = false;
  int spread_ = 0;
  std::map<Key, GlyphLayers> kept_;
  std::size_t bytes_ = 0;  // coverage bytes kept
  GlyphLayers unkept_;     // the last layers drawn past kMaxBytes
};

}  // namespace vantor

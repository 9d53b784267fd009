#include "engine/LayerCache.h"

#include <algorithm>

namespace vantor {

void LayerCache::Select(const platform::SizedFace& face, const Effects& effects, bool mono, int spread) {
  if (&face == face_ && effects == effects_ && mono == mono_ && spread == spread_) return;
  Clear();
  face_ = &face;
  effects_ = effects;
  mono_ = mono;
  spread_ = spread;
}

const GlyphLayers& LayerCache::Keep(const Key& key, GlyphLayers layers) {
  const std::size_t bytes = layers.glyph.values.size() + layers.outline.values.size() + layers.shadow.values.size();
  if (bytes_ + bytes > kMaxBytes) {
    unkept_ = std::move(layers);
    return unkept_;
  }
  bytes_ += bytes;
  return kept_.insert_or_assign(key, std::move(layers)).first->second;
}

const GlyphLayers& LayerCache::Layers(platform::SizedFace& face, const SetGlyph& glyph, const Effects& effects,
                                      bool mono, int spread) {
  Select(face, effects, mono, spread);
  const Key key = KeyOf(glyph);
  if (const auto found = kept_.find(key); found != kept_.end()) return found->second;
  return Keep(key, LayersOf(face, glyph, effects, mono));
}

void LayerCache::Prepare(platform::SizedFace& face, const std::vector<SetGlyph>& glyphs, const Effects& effects,
                         bool mono, int spread) {
  Select(face, effects, mono, spread);
  // In batches, so no more is stroked ahead than the budget keeps.
  constexpr std::size_t kBatch = 64;
  std::vector<const SetGlyph*> pending;
  for (const SetGlyph& glyph : glyphs) {
    if (!kept_.contains(KeyOf(glyph))) pending.push_back(&glyph);
  }
  for (std::size_t start = 0; start < pending.size() && bytes_ < kMaxBytes; start += kBatch) {
    const std::size_t end = std::min(pending.size(), start + kBatch);
    std::vector<platform::SizedFace::CharacterName> names;
    for (std::size_t i = start; i < end; ++i) names.push_back({pending[i]->byte, pending[i]->codePoint});
    const std::vector<platform::RenderedGlyph> stroked = effects.outline > 0
                                                             ? face.StrokedGlyphs(names, effects.outline)
                                                             : std::vector<platform::RenderedGlyph>(names.size());
    for (std::size_t i = start; i < end; ++i) {
      Keep(KeyOf(*pending[i]), LayersOf(face, *pending[i], stroked[i - start], effects, mono));
    }
  }
}

void LayerCache::Clear() {
  kept_.clear();
  bytes_ = 0;
  face_ = nullptr;
}

}  // namespace vantor

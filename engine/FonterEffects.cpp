#include "engine/Fonter.h"
#include "engine/GlyphEffects.h"
#include "engine/LayerCache.h"

#include "platform/RenderMode.h"

namespace vantor {

const GlyphLayers& Fonter::EffectLayers(platform::SizedFace& face, const SetGlyph& glyph, const Effects& effects) {
  return layers_->Layers(face, glyph, effects, GetQuality() == platform::kNonAntialiasedQuality, FieldSpread());
}

void Fonter::PrepareEffectLayers(platform::SizedFace& face, const std::vector<SetGlyph>& glyphs,
                                 const Effects& effects) {
  layers_->Prepare(face, glyphs, effects, GetQuality() == platform::kNonAntialiasedQuality, FieldSpread());
}

std::optional<ColourImage> Fonter::DrawEffectsPage(const SetLayout& layout, std::size_t page) {
  if (page >= layout.pageHeights.size()) return std::nullopt;
  const TextureSize size = layout.PageSize(page);
  const std::int64_t pixels = std::int64_t{size.width} * size.height;
  if (size.width <= 0 || size.height <= 0 || pixels > platform::Bitmap::kMaxPixels) return std::nullopt;
  ColourImage image{size.width, size.height, std::vector<std::uint8_t>(static_cast<std::size_t>(pixels) * 4, 0)};
  platform::SizedFace* face = DrawingFace();
  if (face == nullptr) return image;
  face->SetFieldSpread(FieldSpread());
  for (const SetGlyph& glyph : layout.glyphs) {
    if (static_cast<std::size_t>(glyph.page) != page || glyph.record.width == 0) continue;
    // The cell corner the box was measured against: the glyph lands where DrawSetPage puts it.
    const std::int64_t x = std::int64_t{glyph.record.x} - glyph.xoffset;
    const std::int64_t y = std::int64_t{glyph.record.y} - glyph.yoffset;
    CompositeLayers(EffectLayers(*face, glyph, layout.effects), layout.effects, image, x, y);
  }
  return image;
}

}  // namespace vantor

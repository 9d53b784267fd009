#include "engine/Fonter.h"
#include "engine/LayerCache.h"
#include "engine/LayoutWalk.h"
#include "engine/TextureHeight.h"

#include "platform/MemoryContext.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace vantor {

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

std::int32_t Saturate(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

// The byte of the i-th character on the texture.
std::uint8_t CodeAt(std::size_t i) { return static_cast<std::uint8_t>(Fonter::kFirstCode + i); }

// The codes 32..255, in texture order.
const std::vector<std::uint8_t>& TextureCodes() {
  static const std::vector<std::uint8_t> codes = [] {
    std::vector<std::uint8_t> all(Fonter::kGlyphCount);
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = CodeAt(i);
    return all;
  }();
  return codes;
}

}  // namespace

void Fonter::Build(const FontSettings& settings) {
  // A description holds 31 bytes of the name; the font system keeps the rest.
  fontSystem.KnowFaceName(settings.face);
  Build(FontDescription(settings, GetFontDesc()));
}

void Fonter::Build(const LOGFONTA& desc) { BuildWith(&desc); }

void Fonter::Build() { BuildWith(nullptr); }

void Fonter::BuildWith(const LOGFONTA* desc) {
  // Kept effect layers were drawn with the font as it was.
  layers_->Clear();
  // 1. Font: a description replaces it, usable or not.
  if (desc != nullptr) {
    font.reset();
    font = platform::Font::Create(fontSystem, *desc);
    MakeFallbackFonts();
  }

  // 2. Context with the font selected; the overhang holds for the whole build.
  platform::MemoryContext context(fontSystem);
  context.SelectFont(font.get());
  context.SetFieldSpread(FieldSpread());
  context.RenderAhead(TextureCodes());
  const std::int64_t overhang = context.GetOverhang();

  // 3. Measuring pass over the codes 32..255, on one page however high.
  const std::int64_t width = textureWidth;
  const LayoutRules rules{width, overhang, leading, kerning};
  const auto measure = [&context](std::size_t i) { return context.GetTextExtent(CodeAt(i)); };
  const std::int64_t lastRow = LayOut(kGlyphCount, rules, measure, [this](const Cell& cell) {
    glyphs[cell.index] = {Saturate(cell.x), Saturate(cell.y), Saturate(cell.width)};
  }).lastRow;

  // 4. Texture height: the last row's top plus the height of "A", raised to a power of two.
  const std::int64_t need = lastRow + context.GetTextExtent('A').cy;
  const std::int64_t height = TextureHeight(need);

  // 5. Image: kept while its size stays, else made anew (or none when the size is refused).
  if (!texture || texture->Width() != width || texture->Height() != height) {
    texture.reset();
    if (height > 0 && width <= std::numeric_limits<int>::max()) {
      texture = platform::Bitmap::Create(static_cast<int>(width), static_cast<int>(height));
    }
  }

  // 6. Clear to black; characters are drawn white in opaque mode.
  context.SelectBitmap(texture.get());
  context.SetBkColor(kBlack);
  context.FillOpaque(0, 0, width, height);
  context.SetTextColor(kWhite);

  // 7. Drawing pass: the same walk, drawing each character where its record says.
  LayOut(kGlyphCount, rules, measure,
         [&context](const Cell& cell) { context.TextOut(cell.x, cell.y, CodeAt(cell.index)); });
}

}  // namespace vantor

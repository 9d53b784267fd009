#include "engine/Fonter.h"
#include "engine/LayerCache.h"

#include "platform/MemoryContext.h"

#include <cstring>
#include <set>

namespace vantor {

namespace {

constexpr std::int32_t kStartHeight = 32;
constexpr std::int32_t kStartWeight = 300;  // FW_LIGHT
constexpr std::uint8_t kStartCharset = 1;   // DEFAULT_CHARSET
constexpr std::uint8_t kStartQuality = 0;   // DEFAULT_QUALITY

}  // namespace

Fonter::Fonter()
    : charsets(CharsetOptions()),
      qualities(QualityOptions()),
      weights(WeightOptions()),
      layers_(std::make_unique<LayerCache>()) {
  // The start description is the font a fresh drawing context has, resized and restyled.
  platform::MemoryContext context(fontSystem);
  LOGFONTA desc = context.GetCurrentFontDescription();
  desc.lfHeight = kStartHeight;
  desc.lfWidth = 0;
  desc.lfWeight = kStartWeight;
  desc.lfItalic = 0;
  desc.lfCharSet = kStartCharset;
  desc.lfQuality = kStartQuality;
  Build(desc);
}

Fonter::~Fonter() {
  texture.reset();
  font.reset();
}

const LOGFONTA* Fonter::UsableDescription() const {
  return font && font->IsUsable() ? &font->Description() : nullptr;
}

LOGFONTA Fonter::GetFontDesc() const {
  const LOGFONTA* desc = UsableDescription();
  return desc != nullptr ? *desc : LOGFONTA{};
}

std::string Fonter::GetFaceName() const {
  const LOGFONTA* desc = UsableDescription();
  if (desc == nullptr) return {};
  const char* name = desc->lfFaceName;
  return std::string(name, strnlen(name, sizeof desc->lfFaceName));
}

std::string Fonter::GetFullFaceName() {
  const LOGFONTA* desc = UsableDescription();
  return desc != nullptr ? fontSystem.FullFaceName(*desc) : std::string();
}

std::uint8_t Fonter::GetCharset() const {
  const LOGFONTA* desc = UsableDescription();
  return desc != nullptr ? desc->lfCharSet : kStartCharset;
}

std::uint8_t Fonter::GetQuality() const {
  const LOGFONTA* desc = UsableDescription();
  return desc != nullptr ? desc->lfQuality : 0;
}

std::int32_t Fonter::GetWeight() const { return GetFontDesc().lfWeight; }

std::int32_t Fonter::GetWidth() const { return GetFontDesc().lfWidth; }

std::int32_t Fonter::GetHeight() const { return GetFontDesc().lfHeight; }

bool Fonter::IsBold() const { return GetFontDesc().lfWeight == platform::kBoldWeight; }

bool Fonter::IsItalic() const { return GetFontDesc().lfItalic != 0; }

TextureSize Fonter::GetTextureSize() const {
  if (!texture) return {};
  return {texture->Width(), texture->Height()};
}

SetLayout Fonter::TextureLayout() {
  SetLayout layout;
  layout.width = textureWidth;
  layout.pageHeights = {GetTextureSize().height};
  platform::SizedFace* face = DrawingFace();
  if (face == nullptr) return layout;
  face->SetFieldSpread(FieldSpread());
  layout.cellHeight = face->CellHeight() + 2 * FieldSpread();
  layout.ascent = face->Ascent();
  std::set<char32_t> placed;
  for (int i = 0; i < kGlyphCount; ++i) {
    const auto byte = static_cast<std::uint8_t>(kFirstCode + i);
    const std::int32_t codePoint = face->CodePoint(byte);
    if (codePoint < 0 || !face->HasGlyph(byte)) continue;
    if (!placed.insert(static_cast<char32_t>(codePoint)).second) continue;
    layout.glyphs.push_back({static_cast<char32_t>(codePoint), 0, glyphs[i], face->Glyph(byte).advance,
                             layout.cellHeight, -FieldSpread(), -FieldSpread(), byte});
  }
  return layout;
}

platform::SizedFace* Fonter::DrawingFace() {
  if (font && font->IsUsable()) return font->Face();
  return fontSystem.DefaultFont().Face();
}

}  // namespace vantor

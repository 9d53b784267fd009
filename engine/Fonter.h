#pragma once

#include "engine/ColourImage.h"
#include "engine/Effects.h"
#include "engine/FontOption.h"
#include "engine/FontSettings.h"
#include "engine/GlyphBoxes.h"
#include "engine/GlyphRecord.h"
#include "engine/LoadParamsResult.h"
#include "engine/SetLayout.h"
#include "engine/TextureSize.h"
#include "platform/Bitmap.h"
#include "platform/Font.h"
#include "platform/FontSystem.h"
#include "platform/Kerning.h"
#include "platform/LogFont.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

class LayerCache;
struct GlyphLayers;
using platform::LOGFONTA;

/// The glyph texture engine: the current font, the option tables, the glyph
/// table of characters 32..255, the texture image and the texture settings.
/// Every change ends in Build, which lays the characters out again and redraws the texture.
class Fonter {
 public:
  /// First character code on the texture.
  static constexpr int kFirstCode = 32;
  /// Number of characters on the texture (codes 32..255).
  static constexpr int kGlyphCount = 224;
  /// Height no page of a character-set layout passes.
  static constexpr int kMaxPageHeight = 4096;

  /// Builds the first font (the default face, height 32, light), glyph table and texture.
  Fonter();
  virtual ~Fonter();
  Fonter(const Fonter&) = delete;
  Fonter& operator=(const Fonter&) = delete;

  /// Replaces the font with one made from `desc`, then lays out and redraws the texture.
  void Build(const LOGFONTA& desc);
  /// Replaces the font with one made from `settings` (the other fields of the
  /// description kept), then lays out and redraws the texture.
  void Build(const FontSettings& settings);
  /// Keeps the font; lays out and redraws the texture from the current settings.
  void Build();

  /// The description the current font was made from; every field zero when there is no usable font.
  LOGFONTA GetFontDesc() const;
  /// The settings of the current font; those of an all-zero description when there is no usable font.
  FontSettings GetFontSettings() const { return FontSettingsOf(GetFontDesc()); }
  /// The requested face name; empty when there is no usable font.
  std::string GetFaceName() const;
  /// The face name in full, where it is longer than the 31 bytes GetFaceName's description holds.
  std::string GetFullFaceName();
  /// The character-set value; 1 when there is no usable font.
  std::uint8_t GetCharset() const;
  /// The quality value; 0 when there is no usable font.
  std::uint8_t GetQuality() const;
  /// The weight; 0 when there is no usable font.
  std::int32_t GetWeight() const;
  /// The width (0: derived from the height); 0 when there is no usable font.
  std::int32_t GetWidth() const;
  /// The height as requested; 0 when there is no usable font.
  std::int32_t GetHeight() const;
  /// True exactly when the weight is 700.
  bool IsBold() const;
  /// True when the italic flag is set.
  bool IsItalic() const;

  /// Name of character-set entry i (0..18); i is not tested.
  std::string GetCharsetName(int i) const { return charsets[i].name; }
  /// Name of quality entry i (0..5); i is not tested.
  std::string GetQualityName(int i) const { return qualities[i].name; }
  /// Name of weight entry i (0..9); i is not tested.
  std::string GetWeightName(int i) const { return weights[i].name; }

  /// Width and height of the texture image; 0 × 0 when there is none.
  TextureSize GetTextureSize() const;

  /// The sized face the texture is measured and drawn with: the font's, or the
  /// default font's when the font is unusable; null when neither can draw.
  platform::SizedFace* DrawingFace();
  /// Lays out the characters of `codePoints` (sorted, each once) with the current font and
  /// texture settings, by the texture's row rule, on pages of at most kMaxPageHeight;
  /// characters the face lacks are left out and listed. Changes neither texture nor records.
  SetLayout LayOutSet(const std::vector<char32_t>& codePoints);
  /// The texture's characters as a one-page set: each byte of 32..255 that stands
  /// for a code point the face has, in byte order, a code point once, at its record;
  /// its one page is the texture itself (of height 0 when there is none).
  SetLayout TextureLayout();
  /// The characters of `cells` (LayOutSet or TextureLayout) as glyph boxes packed by
  /// `rules`, drawn with the current font; advances, line and missing characters kept.
  /// With `effects` (ignored for distance fields) each box grows to hold the glyph's
  /// outline and shadow, its offsets keeping the glyph where it stood.
  PackedSet PackGlyphBoxes(const SetLayout& cells, const BoxRules& rules, const Effects& effects = {});
  /// The cells of `cells` (LayOutSet or TextureLayout) grown to hold `effects`: each cell
  /// wider by what its glyph's outline and shadow reach past it on the left and right, every
  /// cell taller by the most any reaches above and below, laid out again by the texture's
  /// row rule; offsets keep each glyph on its pen and line, advances and the line height stay.
  /// Without effects, for glyph boxes or distance fields, `cells` as they are.
  SetLayout GrowCells(const SetLayout& cells, const Effects& effects);
  /// The face's own pair adjustments between the characters of `codePoints`, in pixels,
  /// sorted by first then second; none when nothing can draw. With fallback faces, pairs
  /// only between two characters drawn from the same face, each face's own.
  std::vector<platform::KerningPair> Kerning(const std::vector<std::uint32_t>& codePoints);
  /// Page `page` of `layout` drawn as the texture is, white on black; null when there is
  /// no such page or its image cannot be made.
  std::unique_ptr<platform::Bitmap> DrawSetPage(const SetLayout& layout, std::size_t page);

  /// Page `page` of packed `layout` drawn in colour with the layout's effects: each glyph
  /// over its outline over its shadow, transparent elsewhere; nothing when there is no
  /// such page or it passes Bitmap::kMaxPixels.
  std::optional<ColourImage> DrawEffectsPage(const SetLayout& layout, std::size_t page);

  /// Reads the params file at `path` into the font and the texture settings and
  /// rebuilds; refuses (and changes nothing) when the file cannot be opened, is not
  /// a params file or holds a value out of range. Defined in the files library.
  LoadParamsResult LoadParams(const std::string& path);

  /// Draws the characters of a Unicode set that the font's face lacks from the first of
  /// the faces named `names` that has them, at the font's pixels per em and on its
  /// baseline; line height and base stay the font's. Empty: the font's face alone.
  void SetFallbacks(std::vector<std::string> names);
  /// The fallback faces named, in order.
  const std::vector<std::string>& Fallbacks() const { return fallbackNames_; }
  /// The face a character of a Unicode set is drawn from: 0 the font's, k fallback face
  /// k (from 1), -1 none has it.
  int FaceFor(char32_t codePoint);
  /// The font of face `face` (0: the font's; else fallback face `face`); null for none.
  platform::Font* FontOfFace(int face);
  /// What the fonts are made with, for drawing contexts of the engine's own.
  platform::FontSystem& FontSystemOf() { return fontSystem; }

  const std::array<FontOption, 19> charsets;  ///< character sets, in list order
  const std::array<FontOption, 6> qualities;  ///< rendering qualities, in list order
  const std::array<FontOption, 10> weights;   ///< weights, in list order
  std::array<GlyphRecord, kGlyphCount> glyphs{};  ///< entry i belongs to code 32 + i

 private:
  // Declared before the font and the texture, so it outlives both.
  platform::FontSystem fontSystem;

 public:
  std::unique_ptr<platform::Font> font;       ///< made by the last Build with a description
  std::unique_ptr<platform::Bitmap> texture;  ///< black with the characters in white; null when none

  bool showTexture = true;           ///< state of the dialog's "Show texture" box; the engine never reads it
  std::int32_t textureWidth = 256;   ///< texture width in pixels
  std::int32_t leading = 0;          ///< extra pixels between rows
  std::int32_t kerning = 0;          ///< extra pixels after every character
  /// 0: the texture holds coverage. Else it holds signed distance fields reaching
  /// this many pixels past each outline, and every cell grows by it on every side.
  /// Read it through FieldSpread().
  std::int32_t distanceSpread = 0;
  static constexpr std::int32_t kMinDistanceSpread = 2;   ///< the spreads FreeType's field renderer takes
  static constexpr std::int32_t kMaxDistanceSpread = 32;

  /// The spread drawn: `distanceSpread`, or 0 (coverage) when it is outside the
  /// range the field renderer takes, so a stray value can neither fail every
  /// character nor grow the cells past what the layout can hold.
  std::int32_t FieldSpread() const {
    return distanceSpread >= kMinDistanceSpread && distanceSpread <= kMaxDistanceSpread ? distanceSpread : 0;
  }

 private:
  void BuildWith(const LOGFONTA* desc);
  // The effect layers of `glyph` drawn with `face`, kept from packing its box to drawing its page.
  const GlyphLayers& EffectLayers(platform::SizedFace& face, const SetGlyph& glyph, const Effects& effects);
  // Draws the effect layers of `glyphs` ahead, their outlines stroked on two threads.
  void PrepareEffectLayers(platform::SizedFace& face, const std::vector<SetGlyph>& glyphs, const Effects& effects);
  const LOGFONTA* UsableDescription() const;
  void MakeFallbackFonts();

  std::vector<std::string> fallbackNames_;
  std::vector<std::unique_ptr<platform::Font>> fallbackFonts_;  // sized to the font's pixels per em
  std::unique_ptr<LayerCache> layers_;  // let go by every Build: its layers are the font's
};

}  // namespace vantor

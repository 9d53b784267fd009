#pragma once

// The pieces kerning is measured with: a face opened for shaping at its own units,
// a shaper that gives how much kerning moves each character of a text, and walks
// that line pairs of characters up one after the other, so one shaping measures many.
//
//   ShapingFont font(sizedFace);
//   PairShaper shaper(font.Font(), HB_SCRIPT_LATIN);
//   std::vector<hb_position_t> moved;
//   if (shaper.Measure({'A', 'V'}, moved)) { /* moved[0]: units kerning moves A */ }
//
// For the platform layer's kerning and its tests; not part of the platform's interface.

#include "platform/HarfBuzzHandles.h"

#include <hb.h>

#include <cstdint>
#include <vector>

namespace vantor::platform {

class SizedFace;

/// A sized face opened for shaping, measuring in font units.
class ShapingFont {
 public:
  /// Opens `face`'s outlines for shaping (the face keeps its own size).
  explicit ShapingFont(const SizedFace& face);
  /// The face, for its tables.
  hb_face_t* Face() const { return face_.get(); }
  /// The font, at one unit a font unit.
  hb_font_t* Font() const { return font_.get(); }
  /// Pixels a font unit at the sized face's size.
  double Scale() const { return scale_; }

 private:
  HbFacePtr face_;
  HbFontPtr font_;
  double scale_;
};

/// Shapes texts left to right in one script, with kerning and without, everything that
/// could merge or swap characters turned off.
class PairShaper {
 public:
  /// A shaper of `font` (which must outlive it) in `script`.
  PairShaper(hb_font_t* font, hb_script_t script);
  /// Sets moved[i] to the units kerning moves the pen after character i, for every
  /// character of `text` but the last. Measured against the unkerned shaping, so
  /// everything else the shaper does to advances (hidden default-ignorable characters,
  /// for one) is left out. False when the shaper merged or reordered characters, so
  /// the characters cannot be told apart.
  bool Measure(const std::vector<hb_codepoint_t>& text, std::vector<hb_position_t>& moved);
  /// The one glyph the shaper draws `codePoint` with on its own, unkerned (for a character
  /// the face lacks, the glyph of the character it stands for); false when there is none.
  bool LoneGlyph(hb_codepoint_t codePoint, hb_codepoint_t& glyph);
  /// The shaping plan's substitution lookups (GSUB), which may turn a character into
  /// another glyph before kerning sees it.
  HbSetPtr SubstitutionLookups() const;

 private:
  bool Advances(const std::vector<hb_codepoint_t>& text, const std::vector<hb_feature_t>& features,
                std::vector<hb_position_t>& advances);

  hb_font_t* font_;
  hb_script_t script_;
  HbBufferPtr buffer_;
  std::vector<hb_feature_t> kernFeatures_;
  std::vector<hb_feature_t> plainFeatures_;
  std::vector<hb_position_t> kerned_;
};

/// A walk over n items that steps through every ordered pair (a, b), a == b included,
/// exactly once: n * n + 1 steps, each an index below n.
std::vector<std::uint32_t> EveryPairWalk(std::uint32_t n);

/// The script a pair is shaped in: its first character's, or the second's when the
/// first belongs to none, or Latin.
hb_script_t PairScript(hb_unicode_funcs_t* unicode, std::uint32_t first, std::uint32_t second);

}  // namespace vantor::platform

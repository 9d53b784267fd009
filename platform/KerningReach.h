#pragma once

// Which glyphs a face's kerning can move: the glyphs that can stand first in a
// kerned pair and those that can stand second. Kerning is measured by shaping
// pairs; a pair whose first or second lies outside these sets is never kerned,
// so it need not be shaped.
//
//   const KerningReach reach = FaceKerningReach(hbFace);
//   if (reach.firsts.Has(glyphA) && reach.seconds.Has(glyphB)) { /* shape A, B */ }
//
// The sets may hold more than the kerning really moves (every glyph, for a
// table this code does not read), never less.

#include <cstdint>
#include <span>
#include <vector>

struct hb_face_t;

namespace vantor::platform {

/// A set of glyph ids, or every glyph at once.
class GlyphSet {
 public:
  /// Adds glyph `glyph`.
  void Add(std::uint32_t glyph);
  /// Makes the set hold every glyph.
  void AddEvery() { every_ = true; }
  /// True when `glyph` is in the set.
  bool Has(std::uint32_t glyph) const { return every_ || (glyph < has_.size() && has_[glyph]); }
  /// True when the set holds every glyph.
  bool Every() const { return every_; }
  /// True when the set holds no glyph.
  bool Empty() const;

 private:
  bool every_ = false;
  std::vector<bool> has_;
};

/// The glyphs kerning can move as first of a pair, and as second.
struct KerningReach {
  GlyphSet firsts;
  GlyphSet seconds;
  std::uint32_t lookupFlags = 0;  ///< the pair lookups' flags together: which glyph kinds they step over
  bool movesSeconds = false;      ///< some pair moves its second glyph too
};

/// The reach of every pair positioning lookup (type 2, or type 9 holding type 2) of the
/// `kern` feature in GPOS, of the legacy kern table, and every glyph for any other kind
/// of lookup or table that kerning applies.
KerningReach FaceKerningReach(hb_face_t* face);

/// Adds to `reach` the glyphs GPOS lookup `lookupIndex` of `gpos` can move; every glyph
/// when it is not pair positioning or the table is cut short.
void AddPairLookupReach(std::span<const std::uint8_t> gpos, unsigned lookupIndex, KerningReach& reach);

/// Adds to `reach` the glyphs the legacy kern table `kern` names in its pair lists
/// (format 0); every glyph for any other subtable format or a table cut short.
void AddKernTableReach(std::span<const std::uint8_t> kern, KerningReach& reach);

}  // namespace vantor::platform

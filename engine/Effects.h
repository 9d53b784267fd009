#pragma once

// Effects drawn with each glyph: an outline stroked around it and a shadow
// under it, in colours of their own. With any effect a page holds colour
// (RGBA, not premultiplied): the glyph over its outline over its shadow.
//
//   Effects effects;
//   effects.outline = 2;                         // 2 px round-joined outline, black
//   effects.shadow = true;                       // with a shadow 2 px right and down
//   effects.shadowX = effects.shadowY = 2;
//   PackedSet packed = engine.PackGlyphBoxes(cells, rules, effects);

#include <cstdint>

namespace vantor {

/// What is drawn with each glyph besides its coverage; the default draws nothing more.
struct Effects {
  static constexpr int kMaxOutline = 16;       ///< widest outline, pixels
  static constexpr int kMaxShadowOffset = 16;  ///< farthest shadow offset on either axis, pixels
  static constexpr int kMaxShadowBlur = 8;     ///< widest shadow blur radius, pixels

  int outline = 0;       ///< outline width in pixels, 0 for none
  bool shadow = false;   ///< a shadow is drawn
  int shadowX = 0;       ///< shadow offset, pixels right
  int shadowY = 0;       ///< shadow offset, pixels down
  int shadowBlur = 0;    ///< box-blur radius of the shadow, pixels
  std::uint32_t colour = 0xFFFFFF;         ///< the glyph's colour, 0xRRGGBB
  std::uint32_t outlineColour = 0x000000;  ///< the outline's colour
  std::uint32_t shadowColour = 0x000000;   ///< the shadow's colour
  std::uint8_t shadowOpacity = 128;        ///< the shadow's alpha where it is fully covered

  /// True when pages hold colour: an outline, a shadow or a glyph colour other than white.
  bool Any() const { return outline > 0 || shadow || colour != 0xFFFFFF; }

  friend bool operator==(const Effects&, const Effects&) = default;
};

}  // namespace vantor

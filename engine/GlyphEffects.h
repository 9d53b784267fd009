#pragma once

// The layers of one glyph with effects, and how they are laid over a page.
// Each layer is an 8-bit coverage plane placed against the character's cell
// corner (where TextOut would draw it), so the glyph's pixels stand where they
// stand without effects and the outline and shadow gather round them.
//
//   const GlyphLayers layers = MakeLayers(PlaneOf(glyph, ascent), PlaneOf(stroked, ascent), effects, mono);
//   CompositeLayers(layers, effects, page, cornerX, cornerY);

#include "engine/ColourImage.h"
#include "engine/Effects.h"
#include "engine/SetLayout.h"
#include "platform/Bitmap.h"
#include "platform/SizedFace.h"

#include <cstdint>
#include <vector>

namespace vantor {

/// Coverage 0..255 over a rectangle placed against a cell corner; none outside it.
struct Plane {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> values;  ///< height rows of width values

  /// True when the plane covers no pixel.
  bool Empty() const { return width <= 0 || height <= 0; }
  /// The coverage at (x, y) against the cell corner; 0 outside the plane.
  std::uint8_t At(int x, int y) const {
    if (x < left || y < top || x >= left + width || y >= top + height) return 0;
    return values[static_cast<std::size_t>(y - top) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x - left)];
  }
};

/// A glyph's coverage against its cell corner, whose baseline lies `ascent` below it;
/// subpixel colour is averaged to grey.
Plane PlaneOf(const platform::RenderedGlyph& glyph, int ascent);

/// The shadow of `source`: moved by (dx, dy) and box-blurred by `blur` pixels; with
/// `mono`, cut at half coverage so it stays without antialiasing.
Plane ShadowOf(const Plane& source, int dx, int dy, int blur, bool mono);

/// The three layers of a glyph; an empty plane where the effect is absent.
struct GlyphLayers {
  Plane glyph;
  Plane outline;  ///< the glyph grown outward by the outline width, its inside included
  Plane shadow;   ///< coverage before the shadow's opacity
};

/// The layers `effects` asks for, from the glyph's plane and its stroked plane (used
/// only with an outline).
GlyphLayers MakeLayers(Plane glyph, Plane stroked, const Effects& effects, bool mono);

/// The layers of `glyph` (by its byte, or its code point) drawn with `face`; with `mono`
/// the shadow stays without antialiasing, as the glyph and its stroke already are.
GlyphLayers LayersOf(platform::SizedFace& face, const SetGlyph& glyph, const Effects& effects, bool mono);
/// The same from `stroked`, the glyph's StrokedGlyph by the outline width (read only with an outline).
GlyphLayers LayersOf(platform::SizedFace& face, const SetGlyph& glyph, const platform::RenderedGlyph& stroked,
                     const Effects& effects, bool mono);

/// The smallest rectangle against the cell corner holding every layer's coverage.
platform::Rect ExtentOf(const GlyphLayers& layers);

/// Lays the glyph (colour), over its outline, over its shadow onto `page` at cell corner
/// (x, y), over what the page holds there; clipped to the page.
void CompositeLayers(const GlyphLayers& layers, const Effects& effects, ColourImage& page, std::int64_t x, std::int64_t y);

}  // namespace vantor

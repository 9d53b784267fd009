#pragma once

// The fields the text and XML descriptors share: each element or line is the
// same list of keys and values, only quoted differently.

#include "files/formats/bmfont/BitmapFont.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantor::files::bmfont {

/// How values are quoted: text lines quote strings only; XML quotes and escapes every value.
enum class Style { Text, Xml };

/// One line or element under construction: a tag and its key=value pairs.
class Attributes {
 public:
  /// Starts with `tag` (text: the line's first word; XML: "<tag").
  Attributes(Style style, std::string_view tag);
  /// Adds a number.
  Attributes& Number(std::string_view key, long long value);
  /// Adds numbers joined by commas: bare in text, quoted in XML.
  Attributes& List(std::string_view key, const int* values, int count);
  /// Adds a string, quoted the style's way.
  Attributes& String(std::string_view key, std::string_view value);
  /// Adds a name without spaces or quotes: bare in text, quoted in XML.
  Attributes& Word(std::string_view key, std::string_view value);
  /// The line or element so far, ended by `end`.
  std::string Close(std::string_view end) const { return text_ + std::string(end); }

 private:
  void Key(std::string_view key);

  Style style_;
  std::string text_;
};

/// The info line or element of `font`.
Attributes InfoAttributes(Style style, const BitmapFontDescription& font);
/// The common line or element of `font`.
Attributes CommonAttributes(Style style, const BitmapFontDescription& font);
/// The distanceField line or element of a distance-field `font` (none for coverage):
/// the field's type and the whole range of distances it spans, twice its spread.
std::optional<Attributes> DistanceFieldAttributes(Style style, const BitmapFontDescription& font);
/// The page line or element of page `id`.
Attributes PageAttributes(Style style, const BitmapFontDescription& font, std::size_t id);
/// The char line or element of `c`.
Attributes CharAttributes(Style style, const BitmapFontChar& c);
/// The kerning line or element of `k`.
Attributes KerningAttributes(Style style, const BitmapFontKerning& k);

/// The glyph is in the alpha channel; red, green and blue are all one (white).
inline constexpr int kAlphaChannel = 0;
inline constexpr int kColourChannel = 4;
/// What a colour page's channels hold: the glyph and its outline (2) with an outline, else the glyph (0).
inline constexpr int kGlyphChannel = 0;
inline constexpr int kGlyphAndOutlineChannel = 2;
/// The alpha channel's value for `info`: kAlphaChannel for white pages, else what colour pages hold.
inline int AlphaChannel(const BitmapFontInfo& info) {
  if (!info.colour) return kAlphaChannel;
  return info.outline > 0 ? kGlyphAndOutlineChannel : kGlyphChannel;
}
/// The red, green and blue channels' value for `info`: one for white pages, as the alpha for colour ones.
inline int ColourChannel(const BitmapFontInfo& info) { return info.colour ? AlphaChannel(info) : kColourChannel; }
/// Width stretch in percent: none.
inline constexpr int kStretchH = 100;

/// The `aa` value: 1 (no supersampling) for smooth glyphs, 0 for mono.
inline int Supersampling(const BitmapFontInfo& info) { return info.smooth ? 1 : 0; }

}  // namespace vantor::files::bmfont

#pragma once

// The BMFont descriptor: one plain description of a bitmap font, computed once
// (files/export/DescribeFont.h), then encoded by the text, XML and binary
// writers of BmfontWriters.h. A format's quirks live in its writer; ids, boxes,
// advances, kerning and pages are the same for all three.
//
//   const BitmapFontDescription font = DescribeFont(engine, engine.TextureLayout(), {"title_0.png"});
//   if (!WriteBmfont(sink, font, OutputFormat::BmfontXml)) ...

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::files {

/// The font as a whole, as the descriptor's `info` block names it.
struct BitmapFontInfo {
  std::string face;       ///< the face name asked for
  int size = 0;           ///< the height asked for, pixels
  bool bold = false;
  bool italic = false;
  bool unicode = true;    ///< ids are Unicode code points
  bool smooth = true;     ///< glyphs are anti-aliased (quality other than mono)
  int padding[4] = {0, 0, 0, 0};  ///< up, right, down, left, around each glyph's box
  int spacing[2] = {0, 0};        ///< horizontal and vertical gap between boxes
  int outline = 0;                ///< outline width baked around each glyph, pixels
  bool colour = false;            ///< pages hold colour (glyph, outline, shadow) in every channel
  std::string fieldType;  ///< "" for coverage; "sdf" when the alpha is a signed distance field
  int fieldSpread = 0;    ///< pixels the distance field reaches past the outline
};

/// One character: its box on a page, where to draw it and how far the pen moves.
struct BitmapFontChar {
  std::uint32_t id = 0;  ///< Unicode code point (the byte in the symbol set)
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int xoffset = 0;
  int yoffset = 0;
  int xadvance = 0;
  int page = 0;
  int channel = 15;      ///< the glyph is in every channel

  friend bool operator==(const BitmapFontChar&, const BitmapFontChar&) = default;
};

/// A pair adjustment between two characters.
struct BitmapFontKerning {
  std::uint32_t first = 0;
  std::uint32_t second = 0;
  int amount = 0;

  friend bool operator==(const BitmapFontKerning&, const BitmapFontKerning&) = default;
};

/// Everything a bitmap-font descriptor says, computed once; each file format
/// only encodes it.
struct BitmapFontDescription {
  BitmapFontInfo info;
  int lineHeight = 0;   ///< pixels from one row's top to the next
  int base = 0;         ///< pixels from a row's top to the baseline
  int scaleW = 0;       ///< page width
  int scaleH = 0;       ///< page height
  std::vector<std::string> pages;  ///< page file names, no folder, by page id
  std::vector<BitmapFontChar> chars;
  std::vector<BitmapFontKerning> kernings;
};

}  // namespace vantor::files

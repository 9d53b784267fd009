#include "platform/SizedFace.h"

#include "platform/BuildStop.h"

#include FT_BITMAP_H
#include FT_MODULE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace vantor::platform {

namespace {

// Shear of a synthesised italic: x moves right by a quarter of y.
constexpr double kItalicShear = 0.25;

// Synthesised bold thickens strokes by a 24th of the em.
constexpr int kBoldDivisor = 24;

// The largest widened em, in pixels, that a font may have.
constexpr double kMaxScaledEm = 4.0 * kMaxCellHeight;

constexpr FT_Fixed ToFixed(double value) { return static_cast<FT_Fixed>(value * 65536.0); }

int RoundPixels(FT_Pos value26_6) { return static_cast<int>((value26_6 + 32) >> 6); }

const std::uint8_t* RowStart(const FT_Bitmap& bitmap, unsigned row) {
  if (bitmap.pitch >= 0) return bitmap.buffer + static_cast<std::size_t>(row) * bitmap.pitch;
  return bitmap.buffer + static_cast<std::size_t>(bitmap.rows - 1 - row) * static_cast<std::size_t>(-bitmap.pitch);
}

// Copies FreeType's bitmap into 8-bit coverage, one or three channels a pixel.
void CopyCoverage(FT_Library library, const FT_Bitmap& source, RenderedGlyph& glyph) {
  if (source.buffer == nullptr || source.rows == 0 || source.width == 0) return;
  switch (source.pixel_mode) {
    case FT_PIXEL_MODE_GRAY: {
      glyph.width = static_cast<int>(source.width);
      glyph.rows = static_cast<int>(source.rows);
      glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.rows);
      const int levels = source.num_grays > 1 ? source.num_grays - 1 : 255;
      for (unsigned row = 0; row < source.rows; ++row) {
        const std::uint8_t* in = RowStart(source, row);
        std::uint8_t* out = glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.width;
        if (levels == 255) {
          std::memcpy(out, in, source.width);
        } else {
          for (unsigned x = 0; x < source.width; ++x) out[x] = static_cast<std::uint8_t>(in[x] * 255 / levels);
        }
      }
      return;
    }
    case FT_PIXEL_MODE_MONO: {
      glyph.width = static_cast<int>(source.width);
      glyph.rows = static_cast<int>(source.rows);
      glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.rows);
      for (unsigned row = 0; row < source.rows; ++row) {
        const std::uint8_t* in = RowStart(source, row);
        std::uint8_t* out = glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.width;
        for (unsigned x = 0; x < source.width; ++x) out[x] = (in[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
      }
      return;
    }
    case FT_PIXEL_MODE_LCD: {
      glyph.channels = 3;
      glyph.width = static_cast<int>(source.width / 3);
      glyph.rows = static_cast<int>(source.rows);
      const std::size_t rowBytes = static_cast<std::size_t>(glyph.width) * 3;
      glyph.coverage.resize(rowBytes * glyph.rows);
      for (unsigned row = 0; row < source.rows; ++row) {
        std::memcpy(glyph.coverage.data() + row * rowBytes, RowStart(source, row), rowBytes);
      }
      return;
    }
    default: {
      // Embedded bitmaps in other formats (2- or 4-bit grey, colour): convert to grey.
      FT_Bitmap grey;
      FT_Bitmap_Init(&grey);
      if (FT_Bitmap_Convert(library, &source, &grey, 1) == 0) CopyCoverage(library, grey, glyph);
      FT_Bitmap_Done(library, &grey);
      return;
    }
  }
}

// The outline in `slot` grown outward by `radius` pixels (FreeType's stroker, round
// joins, the outside border only) and rasterised in `mode`; subpixel colour is drawn
// grey, since an outline has one colour. False when FreeType refuses any step.
bool RenderStroked(FT_GlyphSlot slot, int radius, FT_Render_Mode mode, RenderedGlyph& glyph) {
  FT_Stroker rawStroker = nullptr;
  if (FT_Stroker_New(slot->library, &rawStroker) != 0) return false;
  const FreeTypeStrokerPtr stroker(rawStroker);
  FT_Stroker_Set(rawStroker, static_cast<FT_Fixed>(radius) * 64, FT_STROKER_LINECAP_ROUND, FT_STROKER_LINEJOIN_ROUND, 0);
  FT_Glyph rawGlyph = nullptr;
  if (FT_Get_Glyph(slot, &rawGlyph) != 0) return false;
  FreeTypeGlyphPtr owned(rawGlyph);
  // Both calls replace the glyph they are given, freeing the old one on success.
  FT_Glyph working = owned.release();
  const FT_Error stroked = FT_Glyph_StrokeBorder(&working, rawStroker, false, true);
  owned.reset(working);
  if (stroked != 0) return false;
  working = owned.release();
  const FT_Error drawn = FT_Glyph_To_Bitmap(&working, mode == FT_RENDER_MODE_LCD ? FT_RENDER_MODE_NORMAL : mode, nullptr, true);
  owned.reset(working);
  if (drawn != 0 || working->format != FT_GLYPH_FORMAT_BITMAP) return false;
  const auto* bitmap = reinterpret_cast<const FT_BitmapGlyphRec*>(working);
  glyph.left = bitmap->left;
  glyph.top = bitmap->top;
  CopyCoverage(slot->library, bitmap->bitmap, glyph);
  return true;
}

}  // namespace

std::unique_ptr<SizedFace> SizedFace::Create(std::shared_ptr<FontFile> file, const LOGFONTA& desc,
                                             const FontMatch& match, const CharsetMapping& mapping) {
  if (!file) return nullptr;
  const std::optional<CellSize> cell = ComputeCellSize(file->Metrics(), desc.lfHeight);
  if (!cell) return nullptr;

  // A width other than 0 stretches x so that the face's average width becomes
  // it. The face is sized wider rather than transformed after hinting, so the
  // hinted advances land on the asked width.
  double scaleX = 1.0;
  if (desc.lfWidth != 0 && file->Metrics().averageWidth > 0) {
    const double averageWidth = static_cast<double>(file->Metrics().averageWidth) * cell->ppem /
                                file->Metrics().unitsPerEm;
    scaleX = std::abs(static_cast<double>(desc.lfWidth)) / averageWidth;
    if (scaleX * cell->ppem > kMaxScaledEm) return nullptr;
  }
  const auto emX = static_cast<FT_F26Dot6>(std::lround(cell->ppem * scaleX * 64.0));
  const auto emY = static_cast<FT_F26Dot6>(cell->ppem) * 64;

  FreeTypeSizePtr size = NewSize(file->Face(), std::max<FT_F26Dot6>(emX, 1), emY);
  if (!size) return nullptr;

  const bool oblique = match.oblique && desc.lfItalic != 0;
  const bool bold = match.embolden && desc.lfWeight >= kBoldFrom;

  auto sized = std::make_unique<SizedFace>(std::move(file), std::move(size), *cell);
  sized->emX_ = std::max<FT_F26Dot6>(emX, 1);
  sized->emY_ = emY;
  Style& style = sized->style_;
  style.mode = RenderModeForQuality(desc.lfQuality);
  if (oblique) {
    style.transformed = true;
    style.matrix = {ToFixed(1.0), ToFixed(kItalicShear), 0, ToFixed(1.0)};
  }
  if (bold) {
    style.emboldenStrength = static_cast<FT_Pos>(cell->ppem) * 64 / kBoldDivisor;
    sized->overhang_ += static_cast<int>((style.emboldenStrength + 63) >> 6);
  }
  if (oblique) sized->overhang_ += static_cast<int>(std::ceil(kItalicShear * cell->ascent));
  sized->MapCharacters(mapping);
  return sized;
}

FreeTypeSizePtr SizedFace::NewSize(FT_Face face, FT_F26Dot6 emX, FT_F26Dot6 emY) {
  FT_Size rawSize = nullptr;
  if (FT_New_Size(face, &rawSize) != 0) return nullptr;
  FreeTypeSizePtr size(rawSize);
  if (FT_Activate_Size(rawSize) != 0 || FT_Set_Char_Size(face, emX, emY, 72, 72) != 0) return nullptr;
  return size;
}

SizedFace::SizedFace(std::shared_ptr<FontFile> file, FreeTypeSizePtr size, CellSize cell)
    : file_(std::move(file)), size_(std::move(size)), cell_(cell) {}

SizedFace::~SizedFace() = default;

void SizedFace::MapCharacters(const CharsetMapping& mapping) {
  FT_Face face = file_->Face();
  if (mapping.symbol) {
    // Symbol faces keep their characters at U+F000 + byte in a symbol map;
    // other faces are asked for the byte itself after that.
    FT_CharMap previous = face->charmap;
    const bool hasSymbolMap = FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL) == 0;
    for (int byte = 0; byte < 256; ++byte) {
      FT_UInt index = FT_Get_Char_Index(face, 0xF000u + byte);
      if (index == 0) index = FT_Get_Char_Index(face, static_cast<FT_ULong>(byte));
      glyphIndex_[byte] = index;
      codePoints_[byte] = byte;
    }
    if (hasSymbolMap && previous != nullptr) FT_Set_Charmap(face, previous);
    return;
  }
  for (int byte = 0; byte < 256; ++byte) {
    const std::int32_t codePoint = mapping.codePoints[byte];
    // An undefined byte draws the face's missing-glyph shape (glyph 0).
    glyphIndex_[byte] = codePoint < 0 ? 0 : FT_Get_Char_Index(face, static_cast<FT_ULong>(codePoint));
    codePoints_[byte] = codePoint;
  }
}

double SizedFace::PixelsPerUnitX() const {
  // x_scale turns font units into 26.6 pixels, as a 16.16 factor.
  return static_cast<double>(size_->metrics.x_scale) / 65536.0 / 64.0;
}

void SizedFace::SetFieldSpread(int spread) {
  if (spread == style_.fieldSpread) return;
  style_.fieldSpread = spread;
  rendered_.clear();
  keptBytes_ = 0;
}

const RenderedGlyph& SizedFace::Glyph(std::uint8_t byte) { return Keep(rendered_[glyphIndex_[byte]], glyphIndex_[byte]); }

FT_UInt SizedFace::CodePointIndex(char32_t codePoint) {
  // Code points are looked up in the face's Unicode map, whichever map a
  // symbol set selected before; a face without one has none of them.
  FT_Face face = file_->Face();
  if (face->charmap == nullptr || face->charmap->encoding != FT_ENCODING_UNICODE) {
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) return 0;
  }
  return FT_Get_Char_Index(face, static_cast<FT_ULong>(codePoint));
}

bool SizedFace::HasCodePoint(char32_t codePoint) { return CodePointIndex(codePoint) != 0; }

const RenderedGlyph& SizedFace::CodePointGlyph(char32_t codePoint) {
  const FT_UInt index = CodePointIndex(codePoint);
  return Keep(rendered_[index], index);
}

const RenderedGlyph& SizedFace::Keep(std::optional<RenderedGlyph>& kept, FT_UInt index) {
  if (kept) return *kept;
  KeepIfRoom(kept, Render(index));
  return kept ? *kept : scratch_;
}

void SizedFace::KeepIfRoom(std::optional<RenderedGlyph>& slot, RenderedGlyph glyph) {
  if (keptBytes_ + glyph.coverage.size() > kKeptCoverageBudget) {
    scratch_ = std::move(glyph);
    return;
  }
  keptBytes_ += glyph.coverage.size();
  slot = std::move(glyph);
}

RenderedGlyph SizedFace::StrokedGlyph(std::uint8_t byte, int radius) { return Render(glyphIndex_[byte], radius); }

RenderedGlyph SizedFace::StrokedCodePointGlyph(char32_t codePoint, int radius) {
  return Render(CodePointIndex(codePoint), radius);
}

RenderedGlyph SizedFace::Render(FT_Face face, FT_Size size, const Style& style, FT_UInt index, int strokeRadius) {
  RenderedGlyph glyph;
  // A build asked to stop renders nothing more; its result is thrown away.
  if (StopAsked()) return glyph;
  if (FT_Activate_Size(size) != 0) return glyph;
  FT_Matrix matrix = style.matrix;
  FT_Set_Transform(face, style.transformed ? &matrix : nullptr, nullptr);
  FT_Int32 flags = FT_LOAD_DEFAULT | style.mode.loadTarget;
  // Synthesis and distance fields work on outlines, never on embedded bitmaps.
  if (style.transformed || style.emboldenStrength > 0 || style.fieldSpread > 0 || strokeRadius > 0) {
    flags |= FT_LOAD_NO_BITMAP;
  }
  const FT_Error loaded = FT_Load_Glyph(face, index, flags);
  FT_Set_Transform(face, nullptr, nullptr);
  if (loaded != 0) return glyph;

  FT_GlyphSlot slot = face->glyph;
  glyph.advance = RoundPixels(slot->advance.x);
  if (style.emboldenStrength > 0) glyph.advance += 1;
  if (glyph.advance < 0) glyph.advance = 0;
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    if (style.emboldenStrength > 0) {
      // Thicken, then move right by half the strength so the left edge stays
      // and the extra ink lies in the overhang.
      FT_Outline_Embolden(&slot->outline, style.emboldenStrength);
      FT_Outline_Translate(&slot->outline, style.emboldenStrength / 2, 0);
    }
    if (strokeRadius > 0) {
      if (!RenderStroked(slot, strokeRadius, style.mode.renderMode, glyph)) return {};
      return glyph;
    }
    if (style.fieldSpread > 0) {
      // FreeType's own distance-field renderer: 128 on the outline, more inside,
      // reaching 0 and 255 at `spread` pixels out and in; its bitmap is grown by
      // the spread on every side, with bitmap_left and bitmap_top to match.
      FT_Int spread = style.fieldSpread;
      if (FT_Property_Set(slot->library, "bsdf", "spread", &spread) != 0 ||
          FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0 || FT_Render_Glyph(slot, FT_RENDER_MODE_SDF) != 0) {
        return glyph;
      }
    } else if (FT_Render_Glyph(slot, style.mode.renderMode) != 0) {
      return glyph;
    }
  }
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  CopyCoverage(face->glyph->library, slot->bitmap, glyph);
  return glyph;
}

}  // namespace vantor::platform

#include "platform/MemoryContext.h"

#include "platform/FontSystem.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace vantor::platform {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// v × a / 255, rounded, for v and a in 0..255.
inline std::uint32_t Scale255(std::uint32_t v, std::uint32_t a) {
  const std::uint32_t t = v * a + 128;
  return (t + (t >> 8)) >> 8;
}

// Moves each channel of `dst` towards `colour` by its coverage.
inline std::uint32_t Blend(std::uint32_t dst, std::uint32_t colour, std::uint32_t r, std::uint32_t g,
                           std::uint32_t b) {
  const auto mix = [](std::uint32_t d, std::uint32_t c, std::uint32_t a) {
    return c >= d ? d + Scale255(c - d, a) : d - Scale255(d - c, a);
  };
  const std::uint32_t red = mix((dst >> 16) & 0xFF, (colour >> 16) & 0xFF, r);
  const std::uint32_t green = mix((dst >> 8) & 0xFF, (colour >> 8) & 0xFF, g);
  const std::uint32_t blue = mix(dst & 0xFF, colour & 0xFF, b);
  return red << 16 | green << 8 | blue;
}

}  // namespace

MemoryContext::MemoryContext(FontSystem& system) : system_(system) {}

void MemoryContext::SelectFont(Font* font) { font_ = font; }

Font& MemoryContext::CurrentFont() const {
  if (font_ != nullptr && font_->IsUsable()) return *font_;
  return system_.DefaultFont();
}

const LOGFONTA& MemoryContext::GetCurrentFontDescription() const { return CurrentFont().Description(); }

SizedFace* MemoryContext::Face() const {
  SizedFace* face = CurrentFont().Face();
  if (face != nullptr) face->SetFieldSpread(spread_);
  return face;
}

int MemoryContext::GetOverhang() const {
  SizedFace* face = Face();
  return face != nullptr ? face->Overhang() : 0;
}

Extent MemoryContext::GetTextExtent(std::uint8_t byte) {
  SizedFace* face = Face();
  if (face == nullptr) return {};
  return {face->Glyph(byte).advance + 2 * spread_, face->CellHeight() + 2 * spread_};
}

bool MemoryContext::HasCodePoint(char32_t codePoint) {
  SizedFace* face = Face();
  return face != nullptr && face->HasCodePoint(codePoint);
}

Extent MemoryContext::GetCodePointExtent(char32_t codePoint) {
  SizedFace* face = Face();
  if (face == nullptr) return {};
  return {face->CodePointGlyph(codePoint).advance + 2 * spread_, face->CellHeight() + 2 * spread_};
}

InkBox MemoryContext::InkOf(const SizedFace& face, const RenderedGlyph& glyph) const {
  if (glyph.width <= 0 || glyph.rows <= 0) return {};
  return {spread_ + glyph.left, spread_ + face.Ascent() - glyph.top, glyph.width, glyph.rows};
}

InkBox MemoryContext::GetInkBox(std::uint8_t byte) {
  SizedFace* face = Face();
  return face != nullptr ? InkOf(*face, face->Glyph(byte)) : InkBox{};
}

InkBox MemoryContext::GetCodePointInkBox(char32_t codePoint) {
  SizedFace* face = Face();
  return face != nullptr ? InkOf(*face, face->CodePointGlyph(codePoint)) : InkBox{};
}

void MemoryContext::RenderAhead(const std::vector<std::uint8_t>& bytes) {
  if (spread_ == 0) return;
  if (SizedFace* face = Face()) face->RenderAhead(bytes);
}

void MemoryContext::RenderAhead(const std::vector<char32_t>& codePoints) {
  if (spread_ == 0) return;
  if (SizedFace* face = Face()) face->RenderAhead(codePoints);
}

void MemoryContext::SelectBitmap(Bitmap* bitmap) { bitmap_ = bitmap; }

namespace {

// A rectangle of 64-bit coordinates cut to the range of int, for clipping.
Rect ToRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  const auto cut = [](std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
  };
  return {cut(left), cut(top), cut(right), cut(bottom)};
}

}  // namespace

void MemoryContext::FillOpaque(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  if (bitmap_ != nullptr) bitmap_->Fill(ToRect(left, top, right, bottom), background_);
}

void MemoryContext::TextOut(std::int64_t x, std::int64_t y, std::uint8_t byte) {
  SizedFace* face = Face();
  if (face == nullptr || bitmap_ == nullptr) return;
  DrawGlyph(x, y, *face, face->Glyph(byte));
}

void MemoryContext::TextOutCodePoint(std::int64_t x, std::int64_t y, char32_t codePoint) {
  SizedFace* face = Face();
  if (face == nullptr || bitmap_ == nullptr) return;
  DrawGlyph(x, y, *face, face->CodePointGlyph(codePoint));
}

void MemoryContext::DrawGlyph(std::int64_t x, std::int64_t y, const SizedFace& face, const RenderedGlyph& glyph) {
  if (mode_ == BackgroundMode::Opaque) {
    FillOpaque(x, y, x + glyph.advance + 2 * spread_, y + face.CellHeight() + 2 * spread_);
  }
  // Ink may reach outside the box (bearings, synthesis); it is clipped only by the image.
  // A distance field's box is grown by the spread: the character sits that far in.
  const InkBox inkBox = InkOf(face, glyph);
  if (inkBox.width == 0) return;
  const std::int64_t left = x + inkBox.left;
  const std::int64_t top = y + inkBox.top;
  const Rect ink = bitmap_->Clip(ToRect(left, top, left + glyph.width, top + glyph.rows));
  if (ink.Empty()) return;
  const bool ontoBlack = bitmap_->IsBlack(ink);
  bitmap_->MarkInked(ink);
  const int channels = glyph.channels;
  const std::size_t rowBytes = static_cast<std::size_t>(glyph.width) * channels;
  for (int py = ink.top; py < ink.bottom; ++py) {
    std::uint32_t* out = bitmap_->MutableRow(py) + ink.left;
    const std::uint8_t* in =
        glyph.coverage.data() + static_cast<std::size_t>(py - top) * rowBytes + static_cast<std::size_t>(ink.left - left) * channels;
    const int count = ink.right - ink.left;
    if (ontoBlack && text_ == kWhite) {
      // Nothing drawn here yet: the coverage is the colour.
      if (channels == 1) {
        for (int i = 0; i < count; ++i) out[i] = in[i] * 0x010101u;
      } else {
        for (int i = 0; i < count; ++i) out[i] = std::uint32_t{in[3 * i]} << 16 | std::uint32_t{in[3 * i + 1]} << 8 | in[3 * i + 2];
      }
      continue;
    }
    if (spread_ > 0 && channels == 1 && text_ == kWhite) {
      // Where two fields reach into each other the higher value holds: that is
      // the field of both shapes together, where blending would raise it past both.
      for (int i = 0; i < count; ++i) out[i] = std::max<std::uint32_t>(out[i] & 0xFF, in[i]) * 0x010101u;
      continue;
    }
    for (int i = 0; i < count; ++i) {
      const std::uint8_t* c = in + static_cast<std::size_t>(i) * channels;
      const std::uint32_t r = c[0];
      const std::uint32_t g = channels == 3 ? c[1] : r;
      const std::uint32_t b = channels == 3 ? c[2] : r;
      if ((r | g | b) == 0) continue;
      out[i] = Blend(out[i], text_, r, g, b);
    }
  }
}

}  // namespace vantor::platform

#include "platform/MemoryContext.h"

#include "platform/FontSystem.h"

#include <algorithm>

namespace vantor::platform {

namespace {

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

SizedFace* MemoryContext::Face() const { return CurrentFont().Face(); }

int MemoryContext::GetOverhang() const {
  SizedFace* face = Face();
  return face != nullptr ? face->Overhang() : 0;
}

Extent MemoryContext::GetTextExtent(std::uint8_t byte) {
  SizedFace* face = Face();
  if (face == nullptr) return {};
  return {face->Glyph(byte).advance, face->CellHeight()};
}

void MemoryContext::SelectBitmap(Bitmap* bitmap) { bitmap_ = bitmap; }

void MemoryContext::FillOpaque(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  if (bitmap_ == nullptr) return;
  const int x0 = static_cast<int>(std::clamp<std::int64_t>(left, 0, bitmap_->Width()));
  const int x1 = static_cast<int>(std::clamp<std::int64_t>(right, 0, bitmap_->Width()));
  const int y0 = static_cast<int>(std::clamp<std::int64_t>(top, 0, bitmap_->Height()));
  const int y1 = static_cast<int>(std::clamp<std::int64_t>(bottom, 0, bitmap_->Height()));
  if (x0 >= x1) return;
  for (int y = y0; y < y1; ++y) std::fill(bitmap_->Row(y) + x0, bitmap_->Row(y) + x1, background_);
}

void MemoryContext::TextOut(std::int64_t x, std::int64_t y, std::uint8_t byte) {
  SizedFace* face = Face();
  if (face == nullptr || bitmap_ == nullptr) return;
  const RenderedGlyph& glyph = face->Glyph(byte);
  FillOpaque(x, y, x + glyph.advance, y + face->CellHeight());

  // Ink may reach outside the box (bearings, synthesis); it is clipped only by the image.
  const std::int64_t left = x + glyph.left;
  const std::int64_t top = y + face->Ascent() - glyph.top;
  const int col0 = static_cast<int>(std::clamp<std::int64_t>(-left, 0, glyph.width));
  const int col1 = static_cast<int>(std::clamp<std::int64_t>(bitmap_->Width() - left, 0, glyph.width));
  const int row0 = static_cast<int>(std::clamp<std::int64_t>(-top, 0, glyph.rows));
  const int row1 = static_cast<int>(std::clamp<std::int64_t>(bitmap_->Height() - top, 0, glyph.rows));
  const int channels = glyph.channels;
  for (int row = row0; row < row1; ++row) {
    std::uint32_t* out = bitmap_->Row(static_cast<int>(top + row));
    const std::uint8_t* in = glyph.coverage.data() + (static_cast<std::size_t>(row) * glyph.width) * channels;
    for (int col = col0; col < col1; ++col) {
      const std::uint8_t* c = in + static_cast<std::size_t>(col) * channels;
      const std::uint32_t r = c[0];
      const std::uint32_t g = channels == 3 ? c[1] : r;
      const std::uint32_t b = channels == 3 ? c[2] : r;
      if ((r | g | b) == 0) continue;
      std::uint32_t& pixel = out[left + col];
      pixel = Blend(pixel, text_, r, g, b);
    }
  }
}

}  // namespace vantor::platform

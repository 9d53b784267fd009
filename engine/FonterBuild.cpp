#include "engine/Fonter.h"
#include "engine/TextureHeight.h"

#include "platform/MemoryContext.h"

#include <algorithm>
#include <limits>

namespace vantor {

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

std::int32_t Saturate(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

// The cell of one character as the layout walk places it.
struct Cell {
  std::uint8_t code;
  std::int64_t x;
  std::int64_t y;
  std::int64_t width;
};

// Walks the codes 32..255 left to right in rows of the texture width: a
// character that would reach the right edge (x + w >= W) starts a new row,
// the first of a row included. Returns the top of the last row.
template <typename Visit>
std::int64_t LayOut(platform::MemoryContext& context, std::int64_t textureWidth, std::int64_t overhang,
                    std::int64_t leading, std::int64_t kerning, Visit visit) {
  std::int64_t x = 0;
  std::int64_t y = 0;
  for (int code = Fonter::kFirstCode; code < Fonter::kFirstCode + Fonter::kGlyphCount; ++code) {
    const auto byte = static_cast<std::uint8_t>(code);
    const platform::Extent extent = context.GetTextExtent(byte);
    const std::int64_t w = extent.cx + overhang;
    if (x + w >= textureWidth) {
      y += extent.cy + leading;
      x = 0;
    }
    visit(Cell{byte, x, y, w});
    x += w + kerning;
  }
  return y;
}

}  // namespace

void Fonter::Build(const LOGFONTA& desc) { BuildWith(&desc); }

void Fonter::Build() { BuildWith(nullptr); }

void Fonter::BuildWith(const LOGFONTA* desc) {
  // 1. Font: a description replaces it, usable or not.
  if (desc != nullptr) {
    font.reset();
    font = platform::Font::Create(fontSystem, *desc);
  }

  // 2. Context with the font selected; the overhang holds for the whole build.
  platform::MemoryContext context(fontSystem);
  context.SelectFont(font.get());
  const std::int64_t overhang = context.GetOverhang();

  // 3. Measuring pass.
  const std::int64_t width = textureWidth;
  const std::int64_t lastRow = LayOut(context, width, overhang, leading, kerning, [this](const Cell& cell) {
    glyphs[cell.code - kFirstCode] = {Saturate(cell.x), Saturate(cell.y), Saturate(cell.width)};
  });

  // 4. Texture height: the last row's top plus the height of "A", raised to a power of two.
  const std::int64_t need = lastRow + context.GetTextExtent('A').cy;
  const std::int64_t height = TextureHeight(need);

  // 5. Image: kept while its size stays, else made anew (or none when the size is refused).
  if (!texture || texture->Width() != width || texture->Height() != height) {
    texture.reset();
    if (height > 0 && width <= std::numeric_limits<int>::max()) {
      texture = platform::Bitmap::Create(static_cast<int>(width), static_cast<int>(height));
    }
  }

  // 6. Clear to black; characters are drawn white in opaque mode.
  context.SelectBitmap(texture.get());
  context.SetBkColor(kBlack);
  context.FillOpaque(0, 0, width, height);
  context.SetTextColor(kWhite);

  // 7. Drawing pass: the same walk, drawing each character where its record says.
  LayOut(context, width, overhang, leading, kerning,
         [&context](const Cell& cell) { context.TextOut(cell.x, cell.y, cell.code); });
}

}  // namespace vantor

#include "files/export/SampleImage.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vantor::files {

namespace {

using Texel = std::array<float, 4>;  // R G B A, 0..1, not premultiplied

// The page read with linear filtering at (u, v) in texel units, texel centres at
// half steps, clamped to the page's edge as a texture sampler clamps.
Texel Sample(const ColourImage& page, float u, float v) {
  const float x = std::clamp(u - 0.5f, 0.0f, static_cast<float>(page.width - 1));
  const float y = std::clamp(v - 0.5f, 0.0f, static_cast<float>(page.height - 1));
  const int x0 = static_cast<int>(x);
  const int y0 = static_cast<int>(y);
  const int x1 = std::min(x0 + 1, page.width - 1);
  const int y1 = std::min(y0 + 1, page.height - 1);
  const float fx = x - static_cast<float>(x0);
  const float fy = y - static_cast<float>(y0);
  const auto at = [&page](int px, int py, int channel) {
    return page.rgba[(static_cast<std::size_t>(py) * static_cast<std::size_t>(page.width) + static_cast<std::size_t>(px)) * 4 +
                     static_cast<std::size_t>(channel)] / 255.0f;
  };
  Texel texel{};
  for (int c = 0; c < 4; ++c) {
    const float top = at(x0, y0, c) + (at(x1, y0, c) - at(x0, y0, c)) * fx;
    const float bottom = at(x0, y1, c) + (at(x1, y1, c) - at(x0, y1, c)) * fx;
    texel[static_cast<std::size_t>(c)] = top + (bottom - top) * fy;
  }
  return texel;
}

float Smoothstep(float edge0, float edge1, float x) {
  if (edge1 <= edge0) return x < edge0 ? 0.0f : 1.0f;
  const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
  return t * t * (3.0f - 2.0f * t);
}

// Source-over of a non-premultiplied colour with opacity `alpha` onto premultiplied bytes.
void Blend(std::uint8_t* pixel, const Texel& colour, float alpha) {
  if (alpha <= 0.0f) return;
  for (int c = 0; c < 3; ++c) {
    const float over = colour[static_cast<std::size_t>(c)] * alpha + pixel[c] / 255.0f * (1.0f - alpha);
    pixel[c] = static_cast<std::uint8_t>(std::lround(over * 255.0f));
  }
  pixel[3] = static_cast<std::uint8_t>(std::lround((alpha + pixel[3] / 255.0f * (1.0f - alpha)) * 255.0f));
}

struct Canvas {
  SampleImage& image;
  int left;  // font pixels of the image's left edge, from the pen's start
  int top;
  int scale;

  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < image.width && y < image.height; }
  std::uint8_t* At(int x, int y) { return image.rgba.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x)) * 4; }
};

void DrawGlyph(Canvas& canvas, const PlacedGlyph& placed, const ColourImage& page, bool field) {
  const BitmapFontChar& c = *placed.glyph;
  const int s = canvas.scale;
  const int width = c.width * s;
  const int height = c.height * s;
  const int x0 = (placed.x - canvas.left) * s;
  const int y0 = (placed.y - canvas.top) * s;
  const auto texel = [&](int i, int j) {
    return Sample(page, static_cast<float>(c.x) + (static_cast<float>(i) + 0.5f) / static_cast<float>(s),
                  static_cast<float>(c.y) + (static_cast<float>(j) + 0.5f) / static_cast<float>(s));
  };
  // Only the part inside the image is sampled.
  const int iBegin = std::max(0, -x0);
  const int iEnd = std::min(width, canvas.image.width - x0);
  const int jBegin = std::max(0, -y0);
  const int jEnd = std::min(height, canvas.image.height - y0);
  if (iBegin >= iEnd || jBegin >= jEnd) return;
  // A field's alpha needs its neighbours' for the screen-pixel width: one row and column more.
  const auto count = static_cast<std::size_t>(iEnd - iBegin) + 1;
  std::vector<Texel> row(count);
  std::vector<Texel> next(count);
  const auto fill = [&](std::vector<Texel>& texels, int j) {
    for (std::size_t k = 0; k < count; ++k) texels[k] = texel(iBegin + static_cast<int>(k), j);
  };
  fill(row, jBegin);
  for (int j = jBegin; j < jEnd; ++j) {
    fill(next, j + 1);
    for (std::size_t k = 0; k + 1 < count; ++k) {
      std::uint8_t* pixel = canvas.At(x0 + iBegin + static_cast<int>(k), y0 + j);
      const Texel& here = row[k];
      if (!field) {
        Blend(pixel, here, here[3]);
        continue;
      }
      const float distance = here[3];
      const float fwidth = std::fabs(row[k + 1][3] - distance) + std::fabs(next[k][3] - distance);
      Blend(pixel, here, Smoothstep(0.5f - fwidth, 0.5f + fwidth, distance));
    }
    std::swap(row, next);
  }
}

void DrawGap(Canvas& canvas, const PlacedGlyph& placed, int lineHeight) {
  const int s = canvas.scale;
  const int x0 = (placed.x - canvas.left) * s;
  const int y0 = (placed.y - canvas.top) * s;
  const int width = std::max(1, placed.advance * s);
  const int height = std::max(1, lineHeight * s);
  const int thick = std::max(1, s / 2);
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) {
      const bool edge = i < thick || j < thick || i >= width - thick || j >= height - thick;
      if (edge && canvas.Inside(x0 + i, y0 + j)) std::copy(kGapMarker, kGapMarker + 4, canvas.At(x0 + i, y0 + j));
    }
  }
}

}  // namespace

SampleImage DrawSample(const SampleLayout& layout, const std::vector<std::shared_ptr<const ColourImage>>& pages,
                       const SampleLook& look) {
  const int s = std::clamp(look.scale, 1, SampleLook::kMaxScale);
  // The image holds every line's pen path and every box, wherever an offset takes it.
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = layout.height;
  for (const int width : layout.lineWidths) right = std::max(right, width);
  for (const PlacedGlyph& placed : layout.glyphs) {
    const int width = placed.glyph != nullptr ? placed.glyph->width : placed.advance;
    const int height = placed.glyph != nullptr ? placed.glyph->height : layout.lineHeight;
    left = std::min(left, placed.x);
    top = std::min(top, placed.y);
    right = std::max(right, placed.x + width);
    bottom = std::max(bottom, placed.y + height);
  }
  SampleImage image;
  const std::int64_t width = std::int64_t{right - left} * s;
  const std::int64_t height = std::int64_t{bottom - top} * s;
  image.width = static_cast<int>(std::min<std::int64_t>(width, SampleImage::kMaxWidth));
  image.height = static_cast<int>(std::min<std::int64_t>(height, SampleImage::kMaxPixels / std::max(1, image.width)));
  image.cut = image.width < width || image.height < height;
  image.penX = -left * s;
  image.penY = -top * s;
  image.rgba.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 4, 0);
  Canvas canvas{image, left, top, s};
  for (const PlacedGlyph& placed : layout.glyphs) {
    if (placed.glyph == nullptr) {
      DrawGap(canvas, placed, layout.lineHeight);
      continue;
    }
    if (placed.glyph->page < 0) continue;
    const auto page = static_cast<std::size_t>(placed.glyph->page);
    if (page >= pages.size() || !pages[page] || pages[page]->width <= 0 || pages[page]->height <= 0) continue;
    if (placed.glyph->width <= 0 || placed.glyph->height <= 0) continue;
    DrawGlyph(canvas, placed, *pages[page], look.field);
  }
  return image;
}

}  // namespace vantor::files

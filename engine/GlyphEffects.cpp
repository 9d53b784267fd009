#include "engine/GlyphEffects.h"

#include <algorithm>

namespace vantor {

namespace {

// The values of `plane` with `grow` pixels of nothing added on every side.
Plane Grown(const Plane& plane, int grow) {
  Plane out{plane.left - grow, plane.top - grow, plane.width + 2 * grow, plane.height + 2 * grow, {}};
  out.values.assign(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height), 0);
  for (int y = 0; y < plane.height; ++y) {
    std::copy_n(plane.values.begin() + static_cast<std::ptrdiff_t>(y) * plane.width, plane.width,
                out.values.begin() + static_cast<std::ptrdiff_t>(y + grow) * out.width + grow);
  }
  return out;
}

// One pass of a box blur of `radius` along rows (step 1) or columns (step width).
void BoxBlur(std::vector<std::uint8_t>& values, int length, int lines, std::size_t step, std::size_t lineStep,
             int radius) {
  const int window = 2 * radius + 1;
  std::vector<int> line(static_cast<std::size_t>(length));
  for (int l = 0; l < lines; ++l) {
    std::uint8_t* start = values.data() + static_cast<std::size_t>(l) * lineStep;
    for (int i = 0; i < length; ++i) line[static_cast<std::size_t>(i)] = start[static_cast<std::size_t>(i) * step];
    int sum = 0;
    for (int i = 0; i < std::min(radius, length); ++i) sum += line[static_cast<std::size_t>(i)];
    for (int i = 0; i < length; ++i) {
      if (i + radius < length) sum += line[static_cast<std::size_t>(i + radius)];
      if (i - radius - 1 >= 0) sum -= line[static_cast<std::size_t>(i - radius - 1)];
      start[static_cast<std::size_t>(i) * step] = static_cast<std::uint8_t>((sum + window / 2) / window);
    }
  }
}

// The union of two planes, each pixel the larger coverage.
Plane Union(const Plane& a, const Plane& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  const int left = std::min(a.left, b.left);
  const int top = std::min(a.top, b.top);
  const int right = std::max(a.left + a.width, b.left + b.width);
  const int bottom = std::max(a.top + a.height, b.top + b.height);
  Plane out{left, top, right - left, bottom - top, {}};
  out.values.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
  std::size_t i = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) out.values[i++] = std::max(a.At(x, y), b.At(x, y));
  }
  return out;
}

// A colour premultiplied by its alpha: channels 0..255 times alpha, alpha 0..1.
struct Paint {
  float r = 0, g = 0, b = 0, a = 0;

  // Lays `colour` (0xRRGGBB) at `alpha` over this paint.
  void Cover(std::uint32_t colour, float alpha) {
    const float keep = 1 - alpha;
    r = static_cast<float>((colour >> 16) & 0xFF) * alpha + r * keep;
    g = static_cast<float>((colour >> 8) & 0xFF) * alpha + g * keep;
    b = static_cast<float>(colour & 0xFF) * alpha + b * keep;
    a = alpha + a * keep;
  }
};

// One row of a plane: its values from column `left` to `right`, none elsewhere.
struct PlaneRow {
  const std::uint8_t* values = nullptr;
  int left = 0;
  int right = 0;

  std::uint8_t At(int x) const { return x >= left && x < right ? values[x - left] : 0; }
};

PlaneRow RowOf(const Plane& plane, int y) {
  if (plane.Empty() || y < plane.top || y >= plane.top + plane.height) return {};
  return {plane.values.data() + static_cast<std::size_t>(y - plane.top) * static_cast<std::size_t>(plane.width),
          plane.left, plane.left + plane.width};
}

std::uint8_t Byte(float value) { return static_cast<std::uint8_t>(std::clamp(value + 0.5f, 0.0f, 255.0f)); }

}  // namespace

Plane PlaneOf(const platform::RenderedGlyph& glyph, int ascent) {
  if (glyph.width <= 0 || glyph.rows <= 0) return {};
  Plane plane{glyph.left, ascent - glyph.top, glyph.width, glyph.rows, {}};
  const std::size_t count = static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.rows);
  if (glyph.channels == 1) {
    plane.values.assign(glyph.coverage.begin(), glyph.coverage.begin() + static_cast<std::ptrdiff_t>(count));
    return plane;
  }
  plane.values.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* c = glyph.coverage.data() + 3 * i;
    plane.values[i] = static_cast<std::uint8_t>((c[0] + c[1] + c[2] + 1) / 3);
  }
  return plane;
}

Plane ShadowOf(const Plane& source, int dx, int dy, int blur, bool mono) {
  if (source.Empty()) return {};
  Plane shadow = blur > 0 ? Grown(source, blur) : source;
  shadow.left += dx;
  shadow.top += dy;
  if (blur > 0) {
    const auto width = static_cast<std::size_t>(shadow.width);
    BoxBlur(shadow.values, shadow.width, shadow.height, 1, width, blur);
    BoxBlur(shadow.values, shadow.height, shadow.width, width, 1, blur);
    if (mono) {
      for (std::uint8_t& value : shadow.values) value = value >= 128 ? 255 : 0;
    }
  }
  return shadow;
}

GlyphLayers MakeLayers(Plane glyph, Plane stroked, const Effects& effects, bool mono) {
  GlyphLayers layers;
  if (effects.outline > 0) layers.outline = Union(stroked, glyph);
  if (effects.shadow) {
    layers.shadow = ShadowOf(effects.outline > 0 ? layers.outline : glyph, effects.shadowX, effects.shadowY,
                             effects.shadowBlur, mono);
  }
  layers.glyph = std::move(glyph);
  return layers;
}

GlyphLayers LayersOf(platform::SizedFace& face, const SetGlyph& glyph, const Effects& effects, bool mono) {
  const auto code = static_cast<std::uint8_t>(glyph.byte);
  const platform::RenderedGlyph stroked =
      effects.outline <= 0  ? platform::RenderedGlyph{}
      : glyph.byte >= 0     ? face.StrokedGlyph(code, effects.outline)
                            : face.StrokedCodePointGlyph(glyph.codePoint, effects.outline);
  return LayersOf(face, glyph, stroked, effects, mono);
}

GlyphLayers LayersOf(platform::SizedFace& face, const SetGlyph& glyph, const platform::RenderedGlyph& stroked,
                     const Effects& effects, bool mono) {
  const auto code = static_cast<std::uint8_t>(glyph.byte);
  Plane plane = PlaneOf(glyph.byte >= 0 ? face.Glyph(code) : face.CodePointGlyph(glyph.codePoint), face.Ascent());
  return MakeLayers(std::move(plane), effects.outline > 0 ? PlaneOf(stroked, face.Ascent()) : Plane{}, effects, mono);
}

platform::Rect ExtentOf(const GlyphLayers& layers) {
  platform::Rect extent;
  bool any = false;
  for (const Plane* plane : {&layers.glyph, &layers.outline, &layers.shadow}) {
    if (plane->Empty()) continue;
    const platform::Rect rect{plane->left, plane->top, plane->left + plane->width, plane->top + plane->height};
    extent = any ? platform::Rect{std::min(extent.left, rect.left), std::min(extent.top, rect.top),
                                  std::max(extent.right, rect.right), std::max(extent.bottom, rect.bottom)}
                 : rect;
    any = true;
  }
  return extent;
}

void CompositeLayers(const GlyphLayers& layers, const Effects& effects, ColourImage& page, std::int64_t x,
                     std::int64_t y) {
  const platform::Rect extent = ExtentOf(layers);
  const float opacity = effects.shadowOpacity / 255.0f;
  // The extent clipped to the page, against the cell corner.
  const auto left = static_cast<int>(std::max<std::int64_t>(extent.left, -x));
  const auto right = static_cast<int>(std::min<std::int64_t>(extent.right, page.width - x));
  const auto top = static_cast<int>(std::max<std::int64_t>(extent.top, -y));
  const auto bottom = static_cast<int>(std::min<std::int64_t>(extent.bottom, page.height - y));
  if (left >= right) return;
  for (int cy = top; cy < bottom; ++cy) {
    const PlaneRow glyphRow = RowOf(layers.glyph, cy);
    const PlaneRow outlineRow = RowOf(layers.outline, cy);
    const PlaneRow shadowRow = RowOf(layers.shadow, cy);
    std::uint8_t* out = page.rgba.data() + (static_cast<std::size_t>(y + cy) * static_cast<std::size_t>(page.width) +
                                            static_cast<std::size_t>(x + left)) * 4;
    for (int cx = left; cx < right; ++cx, out += 4) {
      const std::uint8_t glyph = glyphRow.At(cx);
      const std::uint8_t outline = outlineRow.At(cx);
      const std::uint8_t shadow = shadowRow.At(cx);
      // Where no layer covers the pixel it keeps what it holds; where the glyph covers it
      // fully it is the glyph's colour, and where the outline does and the glyph not at
      // all, the outline's: what the blend gives, without blending.
      if (glyph == 0 && outline == 0 && shadow == 0) continue;
      if (glyph == 255 || (glyph == 0 && outline == 255)) {
        const std::uint32_t colour = glyph == 255 ? effects.colour : effects.outlineColour;
        out[0] = static_cast<std::uint8_t>(colour >> 16);
        out[1] = static_cast<std::uint8_t>(colour >> 8);
        out[2] = static_cast<std::uint8_t>(colour);
        out[3] = 255;
        continue;
      }
      const float under = out[3] / 255.0f;
      Paint paint{out[0] * under, out[1] * under, out[2] * under, under};
      paint.Cover(effects.shadowColour, shadow / 255.0f * opacity);
      paint.Cover(effects.outlineColour, outline / 255.0f);
      paint.Cover(effects.colour, glyph / 255.0f);
      // Pages are not premultiplied: a colour is its premultiplied value over its alpha.
      const float unpremultiply = paint.a > 0 ? 1 / paint.a : 0;
      out[0] = Byte(paint.r * unpremultiply);
      out[1] = Byte(paint.g * unpremultiply);
      out[2] = Byte(paint.b * unpremultiply);
      out[3] = Byte(paint.a * 255.0f);
    }
  }
}

}  // namespace vantor

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

// A colour (channels 0..255) with its alpha (0..1), not premultiplied.
struct Paint {
  float r = 0, g = 0, b = 0, a = 0;
};

Paint Over(const Paint& top, const Paint& under) {
  const float a = top.a + under.a * (1 - top.a);
  if (a <= 0) return {};
  const float keep = under.a * (1 - top.a);
  return {(top.r * top.a + under.r * keep) / a, (top.g * top.a + under.g * keep) / a, (top.b * top.a + under.b * keep) / a,
          a};
}

Paint PaintOf(std::uint32_t colour, float alpha) {
  return {static_cast<float>((colour >> 16) & 0xFF), static_cast<float>((colour >> 8) & 0xFF),
          static_cast<float>(colour & 0xFF), alpha};
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
  const bool byte = glyph.byte >= 0;
  const auto code = static_cast<std::uint8_t>(glyph.byte);
  Plane plane = PlaneOf(byte ? face.Glyph(code) : face.CodePointGlyph(glyph.codePoint), face.Ascent());
  Plane stroked;
  if (effects.outline > 0) {
    stroked = PlaneOf(byte ? face.StrokedGlyph(code, effects.outline) : face.StrokedCodePointGlyph(glyph.codePoint, effects.outline),
                      face.Ascent());
  }
  return MakeLayers(std::move(plane), std::move(stroked), effects, mono);
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
  for (int cy = extent.top; cy < extent.bottom; ++cy) {
    const std::int64_t py = y + cy;
    if (py < 0 || py >= page.height) continue;
    for (int cx = extent.left; cx < extent.right; ++cx) {
      const std::int64_t px = x + cx;
      if (px < 0 || px >= page.width) continue;
      std::uint8_t* out = page.rgba.data() + (static_cast<std::size_t>(py) * static_cast<std::size_t>(page.width) +
                                              static_cast<std::size_t>(px)) * 4;
      Paint paint{static_cast<float>(out[0]), static_cast<float>(out[1]), static_cast<float>(out[2]), out[3] / 255.0f};
      paint = Over(PaintOf(effects.shadowColour, layers.shadow.At(cx, cy) / 255.0f * opacity), paint);
      paint = Over(PaintOf(effects.outlineColour, layers.outline.At(cx, cy) / 255.0f), paint);
      paint = Over(PaintOf(effects.colour, layers.glyph.At(cx, cy) / 255.0f), paint);
      out[0] = Byte(paint.r);
      out[1] = Byte(paint.g);
      out[2] = Byte(paint.b);
      out[3] = Byte(paint.a * 255.0f);
    }
  }
}

}  // namespace vantor

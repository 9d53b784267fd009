#pragma once

#include <cstdint>

namespace vantor {

/// Where one character lies on the texture: the top-left corner of its cell
/// and its width (measured width plus the font's overhang), in pixels.
struct GlyphRecord {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;

  friend bool operator==(const GlyphRecord&, const GlyphRecord&) = default;
};

}  // namespace vantor

#pragma once

#include <cstdint>

namespace vantor {

/// Largest texture height; a layout needing more gets no image.
inline constexpr std::int64_t kMaxTextureHeight = std::int64_t{1} << 30;

/// The smallest power of two that is at least 2 and at least `need`; 0 when that passes 2^30.
constexpr std::int64_t TextureHeight(std::int64_t need) {
  if (need > kMaxTextureHeight) return 0;
  std::int64_t height = 2;
  while (height < need) height *= 2;
  return height;
}

}  // namespace vantor

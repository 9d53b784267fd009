#pragma once

namespace vantor {

/// Width and height of a texture image or page in pixels.
struct TextureSize {
  int width = 0;
  int height = 0;

  friend bool operator==(const TextureSize&, const TextureSize&) = default;
};

}  // namespace vantor

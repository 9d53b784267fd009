#pragma once

// A page of colour: what a page with effects holds before it is written.

#include <cstdint>
#include <vector>

namespace vantor {

/// An RGBA image, not premultiplied, 4 bytes a pixel in the order R, G, B, A, rows top-down.
struct ColourImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  ///< width × height × 4 bytes; transparent black where nothing is drawn
};

}  // namespace vantor

#pragma once

// A laid-out sample text drawn from a font's pages the way an engine draws it:
// each character's box copied from its page to where the layout puts it,
// magnified with linear filtering, blended over what is drawn already. A
// distance field goes through the threshold of the field shader the README
// shows (smoothstep over about one screen pixel at the 0.5 edge), so the view
// shows the edge a game gets at that scale. A character the font lacks shows
// as a hollow red box of its gap.
//
//   const SampleLayout layout = LayOutSample(description, text, 8);
//   const SampleImage image = DrawSample(layout, pages, {.scale = 4, .field = true});

#include "engine/ColourImage.h"
#include "files/export/SampleLayout.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vantor::files {

/// How a sample is drawn.
struct SampleLook {
  static constexpr int kMaxScale = 8;

  int scale = 1;       ///< screen pixels for one font pixel, each way (1..kMaxScale)
  bool field = false;  ///< the pages hold distance fields, not coverage
};

/// A drawn sample: premultiplied RGBA over transparent black, rows top-down.
struct SampleImage {
  /// Most pixels drawn; a longer or taller text is cut off at the right and bottom.
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 24;
  static constexpr int kMaxWidth = 8192;

  int width = 0;
  int height = 0;
  int penX = 0;  ///< where the first line's pen starts, image pixels from the left
  int penY = 0;  ///< the top of the first line, image pixels from the top
  bool cut = false;  ///< part of the text lies beyond the image
  std::vector<std::uint8_t> rgba;  ///< width × height × 4 bytes

  /// The bytes of pixel (x, y), R G B A.
  const std::uint8_t* Pixel(int x, int y) const {
    return rgba.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
  }
};

/// The colour of a missing character's box.
inline constexpr std::uint8_t kGapMarker[4] = {255, 72, 72, 255};

/// Draws `layout` from `pages` (indexed by each character's page; a null or
/// missing page draws nothing) as `look` asks.
SampleImage DrawSample(const SampleLayout& layout, const std::vector<std::shared_ptr<const ColourImage>>& pages,
                       const SampleLook& look);

}  // namespace vantor::files

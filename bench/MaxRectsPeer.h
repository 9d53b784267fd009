#pragma once

// A textbook MaxRects packer with best-short-side-fit, kept beside the
// benchmark only, to weigh the engine's packer against on the same boxes.

#include "engine/GlyphPacker.h"

#include <optional>
#include <vector>

namespace vantor::bench {

/// Packs `sizes` on one page by `rules` (spacing and largest page as PackBoxes
/// reads them), trying power-of-two pages from small to large as PackBoxes does;
/// the page's power-of-two size, or none when the largest page cannot hold them all.
std::optional<TextureSize> PackOnePageMaxRects(const std::vector<BoxSize>& sizes, const PackRules& rules);

}  // namespace vantor::bench

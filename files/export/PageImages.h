#pragma once

// Each page of a bake as the pixels its PNG file holds, for views: white with
// the coverage (or the field) as alpha, or the colours of a page with effects.
// Drawn by the same engine calls the writer uses, so a view shows what is written.
//
//   const std::optional<ColourImage> page = DrawPageImage(engine, font, 0);

#include "engine/ColourImage.h"
#include "engine/Fonter.h"
#include "files/export/BakeOutputs.h"

#include <cstddef>
#include <optional>

namespace vantor::files {

/// Page `page` of `font` as RGBA bytes (not premultiplied); none when it cannot be drawn.
std::optional<ColourImage> DrawPageImage(Fonter& engine, const BakeFont& font, std::size_t page);

}  // namespace vantor::files

#pragma once

#include "engine/Fonter.h"
#include "files/formats/bmfont/BitmapFont.h"

#include <string>
#include <vector>

namespace vantor::files {

/// The descriptor of `layout` as the engine laid it out (Fonter::TextureLayout for the
/// texture, Fonter::LayOutSet for a Unicode set), on the pages named `pageNames` (one a
/// page): each character in layout order with its cell and page, and the face's own
/// kerning between them.
BitmapFontDescription DescribeFont(Fonter& engine, const SetLayout& layout, const std::vector<std::string>& pageNames);

}  // namespace vantor::files

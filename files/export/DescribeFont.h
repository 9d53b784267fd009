#pragma once

#include "engine/Fonter.h"
#include "files/formats/bmfont/BitmapFont.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vantor::files {

/// Most characters of a set whose kerning pairs are measured: the face's pairs are
/// found by shaping every ordered pair, which grows with the square of the set.
inline constexpr std::size_t kMaxKernedCharacters = 1024;

/// The descriptor of `layout` as the engine laid it out (Fonter::TextureLayout for the
/// texture, Fonter::LayOutSet for a Unicode set), on the pages named `pageNames` (one a
/// page): each character in layout order with its cell and page, and the face's own
/// kerning between them when the set holds at most kMaxKernedCharacters.
BitmapFontDescription DescribeFont(Fonter& engine, const SetLayout& layout, const std::vector<std::string>& pageNames);

}  // namespace vantor::files

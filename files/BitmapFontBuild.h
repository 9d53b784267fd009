#pragma once

#include "engine/Fonter.h"
#include "files/BitmapFont.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vantor::files {

/// The descriptor of the engine's texture, drawn on one page named `pageName`:
/// every character of codes 32..255 that its character set defines and the face
/// has, by code point, once; with the face's own kerning between them.
BitmapFontDescription DescribeBitmapFont(Fonter& engine, const std::string& pageName);

/// Most characters of a set whose kerning pairs are measured: the face's pairs are
/// found by shaping every ordered pair, which grows with the square of the set.
inline constexpr std::size_t kMaxKernedCharacters = 1024;

/// The descriptor of a character set laid out by Fonter::LayOutSet, on the pages named
/// `pageNames` (one a page): each character by code point, with its page; the face's
/// own kerning between them when the set holds at most kMaxKernedCharacters.
BitmapFontDescription DescribeCharacterSet(Fonter& engine, const SetLayout& layout,
                                           const std::vector<std::string>& pageNames);

}  // namespace vantor::files

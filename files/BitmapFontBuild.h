#pragma once

#include "engine/Fonter.h"
#include "files/BitmapFont.h"

#include <string>

namespace vantor::files {

/// The descriptor of the engine's texture, drawn on one page named `pageName`:
/// every character of codes 32..255 that its character set defines and the face
/// has, by code point, once; with the face's own kerning between them.
BitmapFontDescription DescribeBitmapFont(Fonter& engine, const std::string& pageName);

}  // namespace vantor::files

#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>

namespace vantor::platform {

/// The quality value (lfQuality) drawn without antialiasing: mono hinting, coverage 0 or 255.
inline constexpr std::uint8_t kNonAntialiasedQuality = 3;
/// The quality value drawn with subpixel (ClearType) rendering: red, green and blue differ at edges.
inline constexpr std::uint8_t kClearTypeQuality = 5;

/// How glyphs of one quality value are hinted and rasterised.
struct RenderMode {
  FT_Int32 loadTarget;       ///< FT_LOAD_TARGET_* hinting target
  FT_Render_Mode renderMode;  ///< what FT_Render_Glyph produces
};

/// The hinting and rendering that a description's quality value selects.
RenderMode RenderModeForQuality(std::uint8_t quality);

}  // namespace vantor::platform

#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>

namespace vantor::platform {

/// How glyphs of one quality value are hinted and rasterised.
struct RenderMode {
  FT_Int32 loadTarget;       ///< FT_LOAD_TARGET_* hinting target
  FT_Render_Mode renderMode;  ///< what FT_Render_Glyph produces
};

/// The hinting and rendering that a description's quality value selects.
RenderMode RenderModeForQuality(std::uint8_t quality);

}  // namespace vantor::platform

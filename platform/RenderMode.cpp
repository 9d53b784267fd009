#include "platform/RenderMode.h"

namespace vantor::platform {

// Quality values and what they become:
//   3 (non-antialiased)  mono hinting, 1-bit rendering: coverage is 0 or 255 only.
//   5 (ClearType)        LCD hinting (lighter vertical-only snapping), horizontal
//                        subpixel rendering through FreeType's default LCD
//                        filter: red, green and blue differ at glyph edges.
//   0 (default), 1 (draft), 2 (proof), 4 (antialiased) and any other value
//                        normal hinting (the face's own instructions, else the
//                        auto-hinter), 256-level greyscale rendering.
RenderMode RenderModeForQuality(std::uint8_t quality) {
  switch (quality) {
    case kNonAntialiasedQuality:
      return {FT_LOAD_TARGET_MONO, FT_RENDER_MODE_MONO};
    case kClearTypeQuality:
      return {FT_LOAD_TARGET_LCD, FT_RENDER_MODE_LCD};
    default:
      return {FT_LOAD_TARGET_NORMAL, FT_RENDER_MODE_NORMAL};
  }
}

}  // namespace vantor::platform

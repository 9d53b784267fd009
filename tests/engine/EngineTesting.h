#pragma once

#include "engine/Fonter.h"

#include <string>

namespace vantor::testing_support {

/// The engine's current description with the face, height and width replaced.
inline LOGFONTA WithFace(const Fonter& engine, const char* face, std::int32_t height, std::int32_t width = 0) {
  LOGFONTA desc = engine.GetFontDesc();
  platform::SetFaceName(desc, face);
  desc.lfHeight = height;
  desc.lfWidth = width;
  return desc;
}

/// Red component of texture pixel (x, y).
inline int Red(const Fonter& engine, int x, int y) { return (engine.texture->Pixel(x, y) >> 16) & 0xFF; }

}  // namespace vantor::testing_support

#pragma once

// Fonts the files tests build: DejaVu Sans at a height, and the printable ASCII set.

#include "engine/Fonter.h"
#include "platform/LogFont.h"

#include <vector>

namespace vantor::files::test {

/// Builds `engine` with DejaVu Sans at `height` pixels, keeping its other settings.
inline void BuildDejaVu(Fonter& engine, int height) {
  LOGFONTA desc = engine.GetFontDesc();
  platform::SetFaceName(desc, "DejaVu Sans");
  desc.lfHeight = height;
  engine.Build(desc);
}

/// U+0020..U+007E.
inline std::vector<char32_t> Ascii() {
  std::vector<char32_t> codePoints;
  for (char32_t c = 0x20; c <= 0x7E; ++c) codePoints.push_back(c);
  return codePoints;
}

}  // namespace vantor::files::test

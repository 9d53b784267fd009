#pragma once

// The engine a bake draws with, as one plain value: the font settings and the
// texture settings that every door (the program's export window, vantor-bake)
// gives before the build. Both doors build their engine with BuildBakeEngine,
// so equal values draw equal fonts.
//
//   BakeEngine settings = BakeEngineOf(dialogEngine);
//   Fonter own;
//   BuildBakeEngine(settings, own);

#include "engine/FontSettings.h"
#include "engine/Fonter.h"

#include <cstdint>

namespace vantor::files {

/// Everything a bake's engine is built from.
struct BakeEngine {
  FontSettings font;                 ///< the font asked for
  std::int32_t textureWidth = 256;   ///< Fonter::textureWidth
  std::int32_t leading = 0;          ///< Fonter::leading
  std::int32_t kerning = 0;          ///< Fonter::kerning
  std::int32_t distanceSpread = 0;   ///< Fonter::distanceSpread; 0 for coverage

  friend bool operator==(const BakeEngine&, const BakeEngine&) = default;
};

/// The settings `engine` was last built with.
BakeEngine BakeEngineOf(const Fonter& engine);

/// Sets `engine`'s texture settings from `settings`, then builds its font once.
void BuildBakeEngine(const BakeEngine& settings, Fonter& engine);

}  // namespace vantor::files

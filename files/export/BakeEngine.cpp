#include "files/export/BakeEngine.h"

namespace vantor::files {

BakeEngine BakeEngineOf(const Fonter& engine) {
  return {engine.GetFontSettings(), engine.textureWidth, engine.leading, engine.kerning, engine.distanceSpread};
}

void BuildBakeEngine(const BakeEngine& settings, Fonter& engine) {
  // Set before the build, so the characters are drawn once, with these settings.
  engine.textureWidth = settings.textureWidth;
  engine.leading = settings.leading;
  engine.kerning = settings.kerning;
  engine.distanceSpread = settings.distanceSpread;
  engine.Build(settings.font);
}

}  // namespace vantor::files

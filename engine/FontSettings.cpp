#include "engine/FontSettings.h"

#include <cstring>

namespace vantor {

platform::LOGFONTA FontDescription(const FontSettings& settings, const platform::LOGFONTA& base) {
  platform::LOGFONTA desc = base;
  platform::SetFaceName(desc, settings.face.c_str());
  desc.lfHeight = settings.height;
  desc.lfWidth = settings.width;
  desc.lfWeight = settings.weight;
  desc.lfItalic = settings.italic ? 1 : 0;
  desc.lfCharSet = settings.charset;
  desc.lfQuality = settings.quality;
  return desc;
}

FontSettings FontSettingsOf(const platform::LOGFONTA& desc) {
  FontSettings settings;
  settings.face.assign(desc.lfFaceName, strnlen(desc.lfFaceName, sizeof desc.lfFaceName));
  settings.height = desc.lfHeight;
  settings.width = desc.lfWidth;
  settings.weight = desc.lfWeight;
  settings.italic = desc.lfItalic != 0;
  settings.charset = desc.lfCharSet;
  settings.quality = desc.lfQuality;
  return settings;
}

}  // namespace vantor

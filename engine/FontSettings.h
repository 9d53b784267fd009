#pragma once

#include "platform/LogFont.h"

#include <cstdint>
#include <string>

namespace vantor {

/// The settings a font is made from, as the dialog, a params file and
/// vantor-bake give them. Every door changes these and makes the font
/// description from them with FontDescription, so none keeps its own copy of
/// which LOGFONTA field a setting lands in.
///
///   FontSettings settings = engine.GetFontSettings();
///   settings.weight = platform::kBoldWeight;
///   engine.Build(settings);
struct FontSettings {
  std::string face;          ///< the face name asked for (a description keeps 31 bytes; the engine's font system the rest)
  std::int32_t height = 0;   ///< lfHeight
  std::int32_t width = 0;    ///< lfWidth; 0 derives it from the height
  std::int32_t weight = 0;   ///< lfWeight, 0 or 100..900
  bool italic = false;       ///< lfItalic
  std::uint8_t charset = 0;  ///< lfCharSet
  std::uint8_t quality = 0;  ///< lfQuality

  friend bool operator==(const FontSettings&, const FontSettings&) = default;
};

/// `base` with the settings written into their fields; the face name cut to 31 bytes at a character boundary.
platform::LOGFONTA FontDescription(const FontSettings& settings, const platform::LOGFONTA& base = {});

/// The settings that `desc` holds.
FontSettings FontSettingsOf(const platform::LOGFONTA& desc);

}  // namespace vantor

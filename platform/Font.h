#pragma once

#include "platform/FontMatch.h"
#include "platform/LogFont.h"
#include "platform/SizedFace.h"

#include <memory>

namespace vantor::platform {

class FontSystem;

/// A font object made from a description. It always exists; when the face or
/// size cannot be made it is unusable, and drawing falls back to the default font.
class Font {
 public:
  /// Matches, opens and sizes a font for `desc`; never null.
  static std::unique_ptr<Font> Create(FontSystem& system, const LOGFONTA& desc);

  /// A font for `desc` drawn with `face` (null: unusable), the face `match` found.
  Font(const LOGFONTA& desc, std::unique_ptr<SizedFace> face, FontMatch match = {});

  /// The very description the font was made from.
  const LOGFONTA& Description() const { return desc_; }
  /// True when the platform could make the font.
  bool IsUsable() const { return face_ != nullptr; }
  /// The sized face that draws it; null when unusable.
  SizedFace* Face() const { return face_.get(); }
  /// The face the description was matched to, and whether it carries the asked name.
  const FontMatch& Match() const { return match_; }

 private:
  LOGFONTA desc_;
  std::unique_ptr<SizedFace> face_;
  FontMatch match_;
};

}  // namespace vantor::platform

#include "platform/Font.h"

#include "platform/FontMatch.h"
#include "platform/FontSystem.h"

namespace vantor::platform {

std::unique_ptr<Font> Font::Create(FontSystem& system, const LOGFONTA& desc) {
  const FontMatch& match = system.Match(desc);
  std::unique_ptr<SizedFace> face;
  if (!match.file.empty()) {
    face = SizedFace::Create(system.OpenFace(match.file, match.index), desc, match, system.Mapping(desc.lfCharSet));
  }
  return std::make_unique<Font>(desc, std::move(face), match);
}

Font::Font(const LOGFONTA& desc, std::unique_ptr<SizedFace> face, FontMatch match)
    : desc_(desc), face_(std::move(face)), match_(std::move(match)) {}

}  // namespace vantor::platform

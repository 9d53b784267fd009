#pragma once

#include "platform/LogFont.h"

#include <string>
#include <vector>

namespace vantor::platform {

/// The face that fontconfig chose for a description, and the synthesis it asks for.
struct FontMatch {
  std::string file;          ///< font file path; empty when nothing matched
  int index = 0;             ///< face index within the file
  bool embolden = false;     ///< the face is lighter than asked: embolden it
  bool oblique = false;      ///< the face is upright where italic was asked: slant it
};

/// Matches a description with fontconfig: family, weight, slant, and the
/// character set's language as a preference.
FontMatch MatchFont(const LOGFONTA& desc);

/// Every family name fontconfig knows, each once (compared without case), sorted without case.
std::vector<std::string> FaceList();

/// The family fontconfig matches for an empty pattern: the face of a fresh drawing context.
std::string DefaultFaceName();

}  // namespace vantor::platform

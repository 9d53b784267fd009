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
  bool named = false;        ///< the face carries the asked name among its family names
  bool outline = true;       ///< the face has outlines; false for a face of bitmaps only
  std::string family;        ///< the face's own family name (name ID 1), as the face list shows it
};

/// Matches a description in two steps. First the faces whose own family name
/// (name ID 1) is the name asked, compared without case: weight and slant choose
/// among them (a weight of 600 or more takes the heaviest bold face, synthesised
/// where there is none; a lighter weight never takes a face lighter than regular
/// when the family has one). When no face carries that name, fontconfig matches
/// family, weight, slant and the character set's language as a preference.
FontMatch MatchFont(const LOGFONTA& desc);

/// MatchFont with `family` asked in place of `desc`'s face name: a name longer than
/// the 31 bytes a description holds.
FontMatch MatchFont(const LOGFONTA& desc, const std::string& family);

/// Every family name fontconfig knows, each once (compared without case), sorted without case.
std::vector<std::string> FaceList();

/// The family fontconfig matches for an empty pattern: the face of a fresh drawing context.
std::string DefaultFaceName();

}  // namespace vantor::platform

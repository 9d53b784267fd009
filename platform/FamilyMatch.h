#pragma once

#include "platform/FontMatch.h"
#include "platform/LogFont.h"

#include <optional>
#include <vector>

namespace vantor::platform {

/// One face of a family, as the choice among them sees it.
struct FamilyFace {
  int weight = 400;     ///< OpenType weight
  bool italic = false;  ///< italic or oblique
};

/// The face a family match takes, and the synthesis it needs.
struct FamilyChoice {
  int index = -1;        ///< into the faces; -1 when there were none
  bool embolden = false;
  bool oblique = false;
};

/// Chooses among one family's faces for `weight` (0: regular) and `italic`: the
/// slant asked where the family has it; then for 600 or more the bold face nearest
/// the weight (the heaviest face, emboldened, where there is no bold face); below
/// 600 the face nearest the weight but never lighter than regular while the family
/// has a face of regular weight or more below bold.
FamilyChoice ChooseInFamily(const std::vector<FamilyFace>& faces, int weight, bool italic);

/// The match for `desc`'s weight and slant among the faces whose own family name
/// (name ID 1) is `family`, compared without case; none when no face carries that name.
std::optional<FontMatch> MatchInFamily(const LOGFONTA& desc, const std::string& family);

/// The own family name (name ID 1) of each face of the font file at `path`, in face
/// order; empty when FreeType reads no face from it.
std::vector<std::string> FaceFamiliesOf(const std::string& path);

}  // namespace vantor::platform

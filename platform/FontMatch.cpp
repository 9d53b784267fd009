#include "platform/FontMatch.h"

#include "platform/CodePage.h"
#include "platform/FamilyMatch.h"
#include "platform/Handles.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <strings.h>

namespace vantor::platform {

FcConfigPtr ReferenceFontConfig() {
  return FcConfigPtr(FcConfigReference(nullptr));
}

namespace {

const char* AsChar(const FcChar8* text) { return reinterpret_cast<const char*>(text); }
const FcChar8* AsFc(const char* text) { return reinterpret_cast<const FcChar8*>(text); }

// Runs the configuration's substitutions and returns the best face, or null.
FcPatternPtr BestMatch(FcConfig* config, FcPattern* pattern) {
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  return FcPatternPtr(FcFontMatch(config, pattern, &result));
}

bool LessWithoutCase(const std::string& a, const std::string& b) {
  const int order = strcasecmp(a.c_str(), b.c_str());
  return order != 0 ? order < 0 : a < b;
}

}  // namespace

FontMatch MatchFont(const LOGFONTA& desc) {
  return MatchFont(desc, std::string(desc.lfFaceName, strnlen(desc.lfFaceName, sizeof desc.lfFaceName)));
}

FontMatch MatchFont(const LOGFONTA& desc, const std::string& family) {
  if (std::optional<FontMatch> inFamily = MatchInFamily(desc, family)) return *inFamily;
  FontMatch match;
  FcConfigPtr config = ReferenceFontConfig();
  FcPatternPtr pattern(FcPatternCreate());
  if (!config || !pattern) return match;

  const char* descFamily = family.c_str();
  if (!family.empty()) FcPatternAddString(pattern.get(), FC_FAMILY, AsFc(descFamily));

  // fontconfig reads weight 0 as thin; the description's 0 means "don't care".
  const int weight = desc.lfWeight == 0 ? 400 : std::clamp(desc.lfWeight, 1, 1000);
  FcPatternAddDouble(pattern.get(), FC_WEIGHT, FcWeightFromOpenTypeDouble(weight));
  FcPatternAddInteger(pattern.get(), FC_SLANT, desc.lfItalic != 0 ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  if (const char* language = CharsetLanguage(desc.lfCharSet)) {
    FcValue value;
    value.type = FcTypeString;
    value.u.s = AsFc(language);
    FcPatternAddWeak(pattern.get(), FC_LANG, value, FcTrue);
  }

  FcPatternPtr best = BestMatch(config.get(), pattern.get());
  if (!best) return match;
  FcChar8* file = nullptr;
  if (FcPatternGetString(best.get(), FC_FILE, 0, &file) != FcResultMatch) return match;
  match.file = AsChar(file);
  int index = 0;
  if (FcPatternGetInteger(best.get(), FC_INDEX, 0, &index) == FcResultMatch) match.index = index;
  FcBool embolden = FcFalse;
  if (FcPatternGetBool(best.get(), FC_EMBOLDEN, 0, &embolden) == FcResultMatch) {
    match.embolden = embolden == FcTrue;
  }
  FcBool outline = FcTrue;
  if (FcPatternGetBool(best.get(), FC_OUTLINE, 0, &outline) == FcResultMatch) match.outline = outline == FcTrue;
  FcMatrix* matrix = nullptr;
  if (FcPatternGetMatrix(best.get(), FC_MATRIX, 0, &matrix) == FcResultMatch && matrix != nullptr) {
    match.oblique = matrix->xy != 0.0;
  }
  // Which family fontconfig went to: the asked name may be an alias or unknown.
  FcChar8* found = nullptr;
  for (int i = 0; FcPatternGetString(best.get(), FC_FAMILY, i, &found) == FcResultMatch; ++i) {
    if (match.family.empty()) match.family = AsChar(found);
    if (strcasecmp(AsChar(found), descFamily) == 0) match.named = true;
  }
  return match;
}

std::vector<std::string> FaceList() {
  std::vector<std::string> faces;
  FcConfigPtr config = ReferenceFontConfig();
  FcPatternPtr pattern(FcPatternCreate());
  FcObjectSetPtr objects(FcObjectSetBuild(FC_FAMILY, nullptr));
  if (!config || !pattern || !objects) return faces;
  FcFontSetPtr set(FcFontList(config.get(), pattern.get(), objects.get()));
  if (!set) return faces;
  for (int font = 0; font < set->nfont; ++font) {
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(set->fonts[font], FC_FAMILY, i, &family) == FcResultMatch; ++i) {
      faces.emplace_back(AsChar(family));
    }
  }
  std::sort(faces.begin(), faces.end(), LessWithoutCase);
  faces.erase(std::unique(faces.begin(), faces.end(),
                          [](const std::string& a, const std::string& b) {
                            return strcasecmp(a.c_str(), b.c_str()) == 0;
                          }),
              faces.end());
  return faces;
}

std::string DefaultFaceName() {
  FcConfigPtr config = ReferenceFontConfig();
  FcPatternPtr pattern(FcPatternCreate());
  if (!config || !pattern) return {};
  FcPatternPtr best = BestMatch(config.get(), pattern.get());
  FcChar8* family = nullptr;
  if (!best || FcPatternGetString(best.get(), FC_FAMILY, 0, &family) != FcResultMatch) return {};
  return AsChar(family);
}

}  // namespace vantor::platform

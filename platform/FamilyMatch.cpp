#include "platform/FamilyMatch.h"

#include "platform/Handles.h"

#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H

#include <strings.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace vantor::platform {

namespace {

constexpr int kRegular = 400;
constexpr int kBold = kBoldFrom;

const char* AsChar(const FcChar8* text) { return reinterpret_cast<const char*>(text); }

// UTF-16BE as the name table stores it for Windows names, to UTF-8.
std::string FromUtf16Be(const FT_Byte* bytes, FT_UInt length) {
  std::string text;
  for (FT_UInt i = 0; i + 1 < length; i += 2) {
    char32_t c = static_cast<char32_t>(bytes[i] << 8 | bytes[i + 1]);
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < length) {
      const char32_t low = static_cast<char32_t>(bytes[i + 2] << 8 | bytes[i + 3]);
      c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
      i += 2;
    }
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else if (c < 0x800) {
      text += static_cast<char>(0xC0 | (c >> 6));
      text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      text += static_cast<char>(0xE0 | (c >> 12));
      text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      text += static_cast<char>(0xF0 | (c >> 18));
      text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

// The face's own family name, name ID 1 of its name table: the Windows English
// name where there is one, else a Macintosh Roman one (read as Latin-1's ASCII part).
// Empty for a face without a name table.
std::string OwnFamilyName(FT_Library library, const char* file, int index) {
  FT_Face raw = nullptr;
  if (FT_New_Face(library, file, index, &raw) != 0) return {};
  const FreeTypeFacePtr face(raw);
  std::string windows;
  std::string mac;
  const FT_UInt count = FT_Get_Sfnt_Name_Count(raw);
  for (FT_UInt i = 0; i < count; ++i) {
    FT_SfntName name{};
    if (FT_Get_Sfnt_Name(raw, i, &name) != 0 || name.name_id != TT_NAME_ID_FONT_FAMILY) continue;
    if (name.platform_id == TT_PLATFORM_MICROSOFT && (name.encoding_id == TT_MS_ID_UNICODE_CS || name.encoding_id == TT_MS_ID_UCS_4)) {
      if (windows.empty() || name.language_id == TT_MS_LANGID_ENGLISH_UNITED_STATES) {
        windows = FromUtf16Be(name.string, name.string_len);
      }
    } else if (name.platform_id == TT_PLATFORM_MACINTOSH && name.encoding_id == TT_MAC_ID_ROMAN && mac.empty()) {
      for (FT_UInt b = 0; b < name.string_len; ++b) {
        if (name.string[b] < 0x80) mac += static_cast<char>(name.string[b]);
      }
    }
  }
  return windows.empty() ? mac : windows;
}

bool SameName(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

struct Candidate {
  std::string file;
  int index = 0;
  std::string family;
  FamilyFace face;
  bool outline = true;
};

// The faces that list `name` among their family names, and of those the ones
// whose own family name it is.
std::vector<Candidate> FamilyFaces(const char* name) {
  std::vector<Candidate> faces;
  FcConfigPtr config = ReferenceFontConfig();
  FcPatternPtr pattern(FcPatternCreate());
  FcObjectSetPtr objects(FcObjectSetBuild(FC_FAMILY, FC_FILE, FC_INDEX, FC_WEIGHT, FC_SLANT, FC_OUTLINE, nullptr));
  if (!config || !pattern || !objects) return faces;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name));
  const FcFontSetPtr set(FcFontList(config.get(), pattern.get(), objects.get()));
  FT_Library rawLibrary = nullptr;
  if (!set || FT_Init_FreeType(&rawLibrary) != 0) return faces;
  const FreeTypeLibraryPtr library(rawLibrary);
  for (int i = 0; i < set->nfont; ++i) {
    FcPattern* font = set->fonts[i];
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) continue;
    Candidate candidate;
    candidate.file = AsChar(file);
    FcPatternGetInteger(font, FC_INDEX, 0, &candidate.index);
    candidate.family = OwnFamilyName(library.get(), candidate.file.c_str(), candidate.index);
    if (candidate.family.empty()) {
      // No name table: fontconfig lists the face's own name last.
      FcChar8* family = nullptr;
      for (int n = 0; FcPatternGetString(font, FC_FAMILY, n, &family) == FcResultMatch; ++n) {
        candidate.family = AsChar(family);
      }
    }
    if (!SameName(candidate.family, name)) continue;
    double weight = FC_WEIGHT_REGULAR;
    FcPatternGetDouble(font, FC_WEIGHT, 0, &weight);
    candidate.face.weight = static_cast<int>(FcWeightToOpenTypeDouble(weight));
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(font, FC_SLANT, 0, &slant);
    candidate.face.italic = slant != FC_SLANT_ROMAN;
    FcBool outline = FcTrue;
    FcPatternGetBool(font, FC_OUTLINE, 0, &outline);
    candidate.outline = outline == FcTrue;
    faces.push_back(std::move(candidate));
  }
  // The same order on every machine and run, whatever order fontconfig lists them in.
  std::sort(faces.begin(), faces.end(), [](const Candidate& a, const Candidate& b) {
    return a.file != b.file ? a.file < b.file : a.index < b.index;
  });
  return faces;
}

}  // namespace

FamilyChoice ChooseInFamily(const std::vector<FamilyFace>& faces, int weight, bool italic) {
  FamilyChoice choice;
  if (faces.empty()) return choice;
  const int asked = weight == 0 ? kRegular : std::clamp(weight, 1, 1000);
  const bool hasSlant = std::any_of(faces.begin(), faces.end(), [italic](const FamilyFace& f) { return f.italic == italic; });
  const auto slantFits = [&](const FamilyFace& f) { return !hasSlant || f.italic == italic; };
  const bool hasBold = std::any_of(faces.begin(), faces.end(), [&](const FamilyFace& f) { return slantFits(f) && f.weight >= kBold; });
  const bool hasRegular = std::any_of(faces.begin(), faces.end(), [&](const FamilyFace& f) {
    return slantFits(f) && f.weight >= kRegular && f.weight < kBold;
  });
  // Bold asks for a bold face; lighter asks stay below bold, and never under regular while there is one.
  const auto eligible = [&](const FamilyFace& f) {
    if (!slantFits(f)) return false;
    if (asked >= kBold) return !hasBold || f.weight >= kBold;
    if (hasRegular) return f.weight >= kRegular && f.weight < kBold;
    return true;
  };
  const int target = asked < kBold && hasRegular ? std::max(asked, kRegular) : asked;
  for (std::size_t i = 0; i < faces.size(); ++i) {
    if (!eligible(faces[i])) continue;
    const int distance = std::abs(faces[i].weight - target);
    if (choice.index < 0 || distance < std::abs(faces[static_cast<std::size_t>(choice.index)].weight - target) ||
        (asked >= kBold && !hasBold && faces[i].weight > faces[static_cast<std::size_t>(choice.index)].weight)) {
      choice.index = static_cast<int>(i);
    }
  }
  if (choice.index < 0) return choice;
  const FamilyFace& chosen = faces[static_cast<std::size_t>(choice.index)];
  choice.embolden = asked >= kBold && chosen.weight < kBold;
  choice.oblique = italic && !chosen.italic;
  return choice;
}

std::optional<FontMatch> MatchInFamily(const LOGFONTA& desc, const std::string& family) {
  if (family.empty()) return std::nullopt;
  const std::vector<Candidate> candidates = FamilyFaces(family.c_str());
  std::vector<FamilyFace> faces;
  for (const Candidate& candidate : candidates) faces.push_back(candidate.face);
  const FamilyChoice choice = ChooseInFamily(faces, desc.lfWeight, desc.lfItalic != 0);
  if (choice.index < 0) return std::nullopt;
  const Candidate& chosen = candidates[static_cast<std::size_t>(choice.index)];
  FontMatch match;
  match.file = chosen.file;
  match.index = chosen.index;
  match.embolden = choice.embolden;
  match.oblique = choice.oblique;
  match.named = true;
  match.outline = chosen.outline;
  match.family = chosen.family;
  return match;
}

std::vector<std::string> FaceFamiliesOf(const std::string& path) {
  std::vector<std::string> families;
  FT_Library rawLibrary = nullptr;
  if (FT_Init_FreeType(&rawLibrary) != 0) return families;
  const FreeTypeLibraryPtr library(rawLibrary);
  FT_Face raw = nullptr;
  // Face index -1 reads only how many faces the file holds.
  if (FT_New_Face(library.get(), path.c_str(), -1, &raw) != 0) return families;
  const FT_Long count = FreeTypeFacePtr(raw)->num_faces;
  for (FT_Long index = 0; index < count; ++index) {
    std::string family = OwnFamilyName(library.get(), path.c_str(), static_cast<int>(index));
    if (family.empty()) {
      FT_Face face = nullptr;
      if (FT_New_Face(library.get(), path.c_str(), index, &face) != 0) continue;
      const FreeTypeFacePtr owned(face);
      if (owned->family_name != nullptr) family = owned->family_name;
    }
    if (!family.empty()) families.push_back(std::move(family));
  }
  return families;
}

}  // namespace vantor::platform

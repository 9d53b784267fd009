#include "platform/FamilyMatch.h"
#include "platform/Handles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace vantor::platform {
namespace {

LOGFONTA Asked(const char* face, std::int32_t weight, bool italic = false) {
  LOGFONTA desc{};
  SetFaceName(desc, face);
  desc.lfHeight = 32;
  desc.lfWeight = weight;
  desc.lfItalic = italic ? 1 : 0;
  desc.lfCharSet = 1;
  return desc;
}

struct FamilyCase {
  const char* face;
  std::int32_t weight;
  bool italic;
  const char* file;  // the file name the match must open
  bool embolden;
};

// The face list shows a family's name; naming it gives that family's faces and no other.
TEST(FamilyMatch, TheFaceANameGivesIsInItsOwnFamily) {
  const FamilyCase cases[] = {
      {"DejaVu Sans", 300, false, "DejaVuSans.ttf", false},
      {"DejaVu Sans", 400, false, "DejaVuSans.ttf", false},
      {"dejavu sans", 0, false, "DejaVuSans.ttf", false},
      {"DejaVu Sans", 700, false, "DejaVuSans-Bold.ttf", false},
      {"DejaVu Sans", 900, false, "DejaVuSans-Bold.ttf", false},
      {"DejaVu Sans", 400, true, "DejaVuSans-Oblique.ttf", false},
      {"DejaVu Sans", 700, true, "DejaVuSans-BoldOblique.ttf", false},
      {"DejaVu Sans Light", 300, false, "DejaVuSans-ExtraLight.ttf", false},
      {"DejaVu Sans Light", 400, false, "DejaVuSans-ExtraLight.ttf", false},
      {"DejaVu Sans Light", 700, false, "DejaVuSans-ExtraLight.ttf", true},
      {"DejaVu Sans Condensed", 400, false, "DejaVuSansCondensed.ttf", false},
      {"DejaVu Sans Mono", 700, false, "DejaVuSansMono-Bold.ttf", false},
  };
  for (const FamilyCase& c : cases) {
    const FontMatch match = MatchFont(Asked(c.face, c.weight, c.italic));
    const std::string where = std::string(c.face) + " " + std::to_string(c.weight) + (c.italic ? " italic" : "");
    EXPECT_EQ(std::filesystem::path(match.file).filename(), c.file) << where;
    EXPECT_EQ(match.embolden, c.embolden) << where;
    EXPECT_FALSE(match.oblique) << where;
    EXPECT_TRUE(match.named) << where;
  }
}

// What fontconfig itself matches for a description, for names no face carries.
std::string FontconfigFile(const char* face) {
  FcPatternPtr pattern(FcNameParse(reinterpret_cast<const FcChar8*>(face)));
  FcPatternAddDouble(pattern.get(), FC_WEIGHT, FcWeightFromOpenTypeDouble(400));
  FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  const FcPatternPtr best(FcFontMatch(nullptr, pattern.get(), &result));
  FcChar8* file = nullptr;
  if (!best || FcPatternGetString(best.get(), FC_FILE, 0, &file) != FcResultMatch) return {};
  return reinterpret_cast<const char*>(file);
}

TEST(FamilyMatch, AliasesAndUnknownNamesGoToFontconfig) {
  for (const char* face : {"Sans", "Monospace", "No Such Face Anywhere"}) {
    const FontMatch match = MatchFont(Asked(face, 400));
    EXPECT_EQ(match.file, FontconfigFile(face)) << face;
    EXPECT_FALSE(match.named) << face;
    EXPECT_FALSE(match.family.empty()) << face;
  }
}

struct ChoiceCase {
  std::vector<FamilyFace> faces;
  int weight;
  bool italic;
  FamilyChoice expected;
};

TEST(FamilyMatch, WeightAndSlantChooseWithinTheFamily) {
  const std::vector<FamilyFace> full = {{400, false}, {700, false}, {400, true}, {700, true}, {200, false}};
  const ChoiceCase cases[] = {
      {full, 100, false, {0, false, false}},      // never lighter than regular
      {full, 550, false, {0, false, false}},
      {full, 600, false, {1, false, false}},
      {full, 650, true, {3, false, false}},
      {{{400, false}}, 700, true, {0, true, true}},   // bold and italic both synthesised
      {{{300, false}, {500, false}}, 800, false, {1, true, false}},  // the heaviest face, emboldened
      {{{700, false}}, 400, false, {0, false, false}},  // only a bold face: it, as it is
      {{{100, false}, {250, false}}, 400, false, {1, false, false}},
      {{}, 400, false, {-1, false, false}},
  };
  for (const ChoiceCase& c : cases) {
    const FamilyChoice choice = ChooseInFamily(c.faces, c.weight, c.italic);
    EXPECT_EQ(choice.index, c.expected.index) << c.weight;
    EXPECT_EQ(choice.embolden, c.expected.embolden) << c.weight;
    EXPECT_EQ(choice.oblique, c.expected.oblique) << c.weight;
  }
}

}  // namespace
}  // namespace vantor::platform

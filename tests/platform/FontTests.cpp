#include "platform/Font.h"
#include "platform/FontMatch.h"
#include "platform/FontSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace vantor::platform {
namespace {

LOGFONTA Description(const char* face, std::int32_t height) {
  LOGFONTA desc;
  desc.lfHeight = height;
  desc.lfWeight = 400;
  desc.lfCharSet = 1;
  SetFaceName(desc, face);
  return desc;
}

TEST(FaceList, HoldsEachFamilyOnceInCaseFreeOrder) {
  const std::vector<std::string> faces = FaceList();
  ASSERT_FALSE(faces.empty());
  EXPECT_NE(std::find(faces.begin(), faces.end(), "DejaVu Sans"), faces.end());
  EXPECT_NE(std::find(faces.begin(), faces.end(), "DejaVu Sans Mono"), faces.end());
  for (std::size_t i = 1; i < faces.size(); ++i) {
    EXPECT_LT(strcasecmp(faces[i - 1].c_str(), faces[i].c_str()), 0) << faces[i - 1] << " / " << faces[i];
  }
}

TEST(FaceList, DefaultFaceIsListed) {
  const std::string face = DefaultFaceName();
  ASSERT_FALSE(face.empty());
  const std::vector<std::string> faces = FaceList();
  EXPECT_NE(std::find(faces.begin(), faces.end(), face), faces.end());
}

TEST(Font, GivesBackTheVeryDescription) {
  FontSystem system;
  LOGFONTA desc = Description("No Such Face Anywhere", 20);
  desc.lfEscapement = 7;
  desc.lfPitchAndFamily = 0x31;
  const auto font = Font::Create(system, desc);
  ASSERT_TRUE(font->IsUsable());  // fontconfig substitutes a face
  EXPECT_EQ(std::memcmp(&font->Description(), &desc, sizeof desc), 0);
}

TEST(Font, EmptyFaceNameUsesWhateverMatches) {
  FontSystem system;
  const auto font = Font::Create(system, Description("", 24));
  ASSERT_TRUE(font->IsUsable());
  EXPECT_EQ(font->Face()->CellHeight(), 24);
}

TEST(Font, RefusedSizesMakeNoUsableFont) {
  FontSystem system;
  for (std::int32_t height : {-5000, 5000, INT32_MIN, INT32_MAX}) {
    EXPECT_FALSE(Font::Create(system, Description("DejaVu Sans", height))->IsUsable()) << height;
  }
  LOGFONTA wide = Description("DejaVu Sans", 32);
  wide.lfWidth = INT32_MIN;
  EXPECT_FALSE(Font::Create(system, wide)->IsUsable());
}

TEST(Font, FacesAreSharedAcrossFonts) {
  FontSystem system;
  const FontMatch match = MatchFont(Description("DejaVu Sans", 32));
  ASSERT_FALSE(match.file.empty());
  EXPECT_EQ(system.OpenFace(match.file, match.index), system.OpenFace(match.file, match.index));
  EXPECT_EQ(system.OpenFace("/no/such/font.ttf", 0), nullptr);
}

TEST(Font, WidthStretchesAdvances) {
  FontSystem system;
  LOGFONTA narrow = Description("DejaVu Sans Mono", 32);
  LOGFONTA wide = narrow;
  narrow.lfWidth = 8;
  wide.lfWidth = 30;
  const int narrowAdvance = Font::Create(system, narrow)->Face()->Glyph('M').advance;
  const int wideAdvance = Font::Create(system, wide)->Face()->Glyph('M').advance;
  EXPECT_NEAR(narrowAdvance, 8, 1);
  EXPECT_NEAR(wideAdvance, 30, 1);
}

// Synthesis is asked for by fontconfig's match; here it is asked for directly,
// since the installed faces may all have real bold and italic styles.
class SynthesisTest : public testing::Test {
 protected:
  std::unique_ptr<SizedFace> Make(LOGFONTA desc, bool embolden, bool oblique) {
    FontMatch match = MatchFont(desc);
    match.embolden = embolden;
    match.oblique = oblique;
    return SizedFace::Create(system.OpenFace(match.file, match.index), desc, match, system.Mapping(1));
  }
  FontSystem system;
};

TEST_F(SynthesisTest, BoldAddsAPixelToTheAdvanceAndAnOverhang) {
  LOGFONTA desc = Description("DejaVu Sans Mono", 48);
  desc.lfWeight = 400;
  const auto plain = Make(desc, false, false);
  desc.lfWeight = 700;
  const auto bold = Make(desc, true, false);
  ASSERT_TRUE(plain && bold);
  EXPECT_EQ(bold->Glyph('M').advance, plain->Glyph('M').advance + 1);
  EXPECT_EQ(bold->Overhang(), 2);  // a cell of 48 is 41 pixels a em: 41/24 pixels, rounded up
  EXPECT_GT(bold->Glyph('l').width, plain->Glyph('l').width);
}

TEST_F(SynthesisTest, LightWeightsAreNeverEmboldened) {
  LOGFONTA desc = Description("DejaVu Sans Mono", 48);
  desc.lfWeight = 500;
  const auto face = Make(desc, true, false);
  EXPECT_EQ(face->Overhang(), 0);
}

TEST_F(SynthesisTest, ItalicShearsAndOverhangsByAQuarterOfTheAscent) {
  LOGFONTA desc = Description("DejaVu Sans Mono", 48);
  desc.lfItalic = 1;
  const auto upright = Make(desc, false, false);
  const auto slanted = Make(desc, false, true);
  ASSERT_TRUE(upright && slanted);
  EXPECT_EQ(slanted->Overhang(), (slanted->Ascent() + 3) / 4);
  EXPECT_EQ(slanted->Glyph('l').advance, upright->Glyph('l').advance);
  EXPECT_GT(slanted->Glyph('l').width, upright->Glyph('l').width);
}

// Characters rendered ahead, half of them on a second thread with the face
// opened anew, are byte for byte the ones rendered one at a time.
TEST_F(SynthesisTest, RenderingAheadGivesTheSameCharacters) {
  for (const std::uint8_t quality : {std::uint8_t{4}, std::uint8_t{3}}) {
    LOGFONTA desc = Description("DejaVu Sans", 24);
    desc.lfQuality = quality;
    desc.lfWeight = 700;
    desc.lfItalic = 1;
    const auto ahead = Make(desc, true, true);
    const auto alone = Make(desc, true, true);
    ASSERT_TRUE(ahead && alone);
    ahead->SetFieldSpread(4);
    alone->SetFieldSpread(4);
    std::vector<std::uint8_t> bytes;
    std::vector<char32_t> codePoints;
    for (int byte = 32; byte < 256; ++byte) bytes.push_back(static_cast<std::uint8_t>(byte));
    for (char32_t c = 0x400; c < 0x460; ++c) codePoints.push_back(c);
    ahead->RenderAhead(bytes);
    ahead->RenderAhead(codePoints);
    const auto same = [&](const RenderedGlyph& a, const RenderedGlyph& b) {
      return a.advance == b.advance && a.left == b.left && a.top == b.top && a.width == b.width && a.rows == b.rows &&
             a.coverage == b.coverage;
    };
    for (const std::uint8_t byte : bytes) {
      const RenderedGlyph& first = ahead->Glyph(byte);
      EXPECT_TRUE(same(first, alone->Glyph(byte))) << int{quality} << " byte " << int{byte};
    }
    for (const char32_t c : codePoints) {
      const RenderedGlyph& first = ahead->CodePointGlyph(c);
      EXPECT_TRUE(same(first, alone->CodePointGlyph(c))) << int{quality} << " U+" << std::hex << std::uint32_t{c};
    }
  }
}

// The 8-bit set and a Unicode set render each glyph once between them: a byte
// and the code point it stands for give the very same rendering.
TEST_F(SynthesisTest, ABytesGlyphAndItsCodePointsAreOneRendering) {
  const auto face = Make(Description("DejaVu Sans", 24), false, false);
  ASSERT_TRUE(face);
  face->SetFieldSpread(4);
  face->RenderAhead(std::vector<std::uint8_t>{'A', 0xE9});
  EXPECT_EQ(&face->Glyph('A'), &face->CodePointGlyph(U'A'));
  EXPECT_EQ(&face->Glyph(0xE9), &face->CodePointGlyph(U'\u00E9'));
  face->RenderAhead(std::vector<char32_t>{U'B'});
  EXPECT_EQ(&face->CodePointGlyph(U'B'), &face->Glyph('B'));
  EXPECT_NE(&face->Glyph('A'), &face->Glyph('B'));
}

}  // namespace
}  // namespace vantor::platform

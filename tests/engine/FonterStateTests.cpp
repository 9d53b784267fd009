#include "EngineTesting.h"
#include "platform/FontMatch.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vantor {
namespace {

using testing_support::WithFace;

TEST(FreshEngine, HoldsTheStartState) {
  Fonter engine;
  EXPECT_EQ(engine.GetHeight(), 32);
  EXPECT_EQ(engine.GetWidth(), 0);
  EXPECT_EQ(engine.GetWeight(), 300);
  EXPECT_FALSE(engine.IsBold());
  EXPECT_FALSE(engine.IsItalic());
  EXPECT_EQ(engine.GetCharset(), 1);
  EXPECT_EQ(engine.GetQuality(), 0);
  EXPECT_EQ(engine.textureWidth, 256);
  EXPECT_EQ(engine.leading, 0);
  EXPECT_EQ(engine.kerning, 0);
  EXPECT_TRUE(engine.showTexture);
  EXPECT_EQ(engine.GetFaceName(), platform::DefaultFaceName());
  ASSERT_NE(engine.texture, nullptr);
  EXPECT_EQ(engine.GetTextureSize().width, 256);
}

TEST(OptionTables, HoldTheListsInOrder) {
  Fonter engine;
  EXPECT_EQ(engine.GetCharsetName(0), "DEFAULT_CHARSET");
  EXPECT_EQ(engine.GetCharsetName(15), "JOHAB_CHARSET ");
  EXPECT_EQ(engine.GetCharsetName(15).size(), 14u);
  EXPECT_EQ(engine.charsets[12].value, 2);
  EXPECT_EQ(engine.GetQualityName(4), "NONANTIALIASED_QUALITY");
  EXPECT_EQ(engine.qualities[2].value, 5);
  EXPECT_EQ(engine.GetWeightName(7), "FW_BOLD");
  EXPECT_EQ(engine.GetWeightName(4), "FW_NORMAL");
  EXPECT_EQ(engine.weights[9].value, 900);
}

TEST(Accessors, BoldIsWeight700Only) {
  Fonter engine;
  for (const auto& [weight, bold] : {std::pair{600, false}, {700, true}, {800, false}, {900, false}}) {
    LOGFONTA desc = engine.GetFontDesc();
    desc.lfWeight = weight;
    engine.Build(desc);
    EXPECT_EQ(engine.IsBold(), bold) << weight;
  }
}

TEST(Accessors, ReportTheRequestedFaceNotTheSubstitute) {
  Fonter engine;
  engine.Build(WithFace(engine, "No Such Face Anywhere", 20));
  EXPECT_EQ(engine.GetFaceName(), "No Such Face Anywhere");
  EXPECT_EQ(engine.GetHeight(), 20);
}

TEST(Accessors, AnUnmadeFontAnswersAsNoFont) {
  Fonter engine;
  LOGFONTA desc = WithFace(engine, "DejaVu Sans", 100000);
  desc.lfWeight = 700;
  desc.lfItalic = 1;
  desc.lfCharSet = 204;
  desc.lfQuality = 5;
  engine.Build(desc);
  EXPECT_EQ(engine.GetFaceName(), "");
  EXPECT_EQ(engine.GetHeight(), 0);
  EXPECT_EQ(engine.GetWeight(), 0);
  EXPECT_FALSE(engine.IsBold());
  EXPECT_FALSE(engine.IsItalic());
  EXPECT_EQ(engine.GetCharset(), 1);
  EXPECT_EQ(engine.GetQuality(), 0);
  const LOGFONTA zero{};
  const LOGFONTA got = engine.GetFontDesc();
  EXPECT_EQ(std::memcmp(&got, &zero, sizeof zero), 0);
  // Measuring and drawing went on with the default font.
  ASSERT_NE(engine.texture, nullptr);
  EXPECT_GT(engine.glyphs['A' - 32].width, 0);
}

TEST(ChangeProtocol, ACharsetChangeKeepsEveryOtherField) {
  Fonter engine;
  LOGFONTA desc = WithFace(engine, "DejaVu Serif", 27, 9);
  desc.lfWeight = 600;
  desc.lfQuality = 4;
  desc.lfEscapement = 11;
  desc.lfPitchAndFamily = 0x22;
  engine.Build(desc);

  LOGFONTA changed = engine.GetFontDesc();
  changed.lfCharSet = static_cast<std::uint8_t>(engine.charsets[10].value);
  engine.Build(changed);

  LOGFONTA expected = desc;
  expected.lfCharSet = 204;
  const LOGFONTA got = engine.GetFontDesc();
  EXPECT_EQ(std::memcmp(&got, &expected, sizeof expected), 0);
}

TEST(ChangeProtocol, SettingsTakeEffectAtTheNextBuild) {
  Fonter engine;
  const auto glyphs = engine.glyphs;
  const platform::Bitmap* texture = engine.texture.get();
  engine.leading = 7;
  engine.kerning = 3;
  engine.textureWidth = 512;
  EXPECT_EQ(engine.glyphs, glyphs);
  EXPECT_EQ(engine.texture.get(), texture);
  engine.Build();
  EXPECT_NE(engine.glyphs, glyphs);
  EXPECT_EQ(engine.GetTextureSize().width, 512);
}

}  // namespace
}  // namespace vantor

namespace vantor {
namespace {

// Every door makes its description from the settings: each setting lands in its own
// field, the other fields of the base stay, and a long face name is cut at a character.
TEST(FontSettings, LandInTheirFieldsAndKeepTheRest) {
  platform::LOGFONTA base{};
  base.lfEscapement = 7;
  base.lfPitchAndFamily = 34;
  const FontSettings cases[] = {
      {"DejaVu Sans", 20, 8, 700, true, 204, 3},
      {"", 1, 0, 0, false, 0, 0},
      {std::string(30, 'a') + "\xC3\xA9" + "b", 511, 255, 900, false, 255, 5},
  };
  for (const FontSettings& settings : cases) {
    const platform::LOGFONTA desc = FontDescription(settings, base);
    EXPECT_EQ(desc.lfEscapement, 7);
    EXPECT_EQ(desc.lfPitchAndFamily, 34);
    FontSettings expected = settings;
    if (expected.face.size() > 31) expected.face.resize(30);  // "é" would pass byte 31: cut before it
    EXPECT_EQ(FontSettingsOf(desc), expected) << settings.face;
  }
}

}  // namespace
}  // namespace vantor

#include "engine/Fonter.h"
#include "files/export/ParamsLoad.h"
#include "files/formats/ParamsWriter.h"
#include "files/export/SaveFile.h"
#include "files/formats/TextureTga.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace vantor::files {
namespace {

using test::TempDir;
using test::WriteFile;

std::string Params(const Fonter& engine) {
  MemorySink out;
  EXPECT_TRUE(WriteParamsFile(out, engine));
  return out.Bytes();
}

// Everything LoadParams may change, to show that a refusal changes none of it.
struct EngineState {
  LOGFONTA desc;
  std::int32_t textureWidth, leading, kerning;
  std::array<GlyphRecord, Fonter::kGlyphCount> glyphs;
  const platform::Bitmap* texture;

  explicit EngineState(const Fonter& engine)
      : desc(engine.GetFontDesc()),
        textureWidth(engine.textureWidth),
        leading(engine.leading),
        kerning(engine.kerning),
        glyphs(engine.glyphs),
        texture(engine.texture.get()) {}
  bool operator==(const EngineState& other) const {
    return std::memcmp(&desc, &other.desc, sizeof desc) == 0 && textureWidth == other.textureWidth &&
           leading == other.leading && kerning == other.kerning && glyphs == other.glyphs && texture == other.texture;
  }
};

TEST(LoadParams, SaveThenLoadRestoresEveryFieldAndZeroesTheOthers) {
  Fonter saved;
  LOGFONTA desc = saved.GetFontDesc();
  platform::SetFaceName(desc, "DejaVu Sans");
  desc.lfHeight = 20;
  desc.lfWidth = 7;
  desc.lfWeight = 700;
  desc.lfItalic = 1;
  desc.lfCharSet = 0;
  desc.lfQuality = 4;
  saved.textureWidth = 512;
  saved.leading = 3;
  saved.kerning = -2;
  saved.Build(desc);
  TempDir dir;
  ASSERT_TRUE(WriteParamsFile(dir.Path("font.txt"), saved).Ok());

  Fonter loaded;
  LOGFONTA other = loaded.GetFontDesc();
  other.lfEscapement = 5;
  other.lfOrientation = 6;
  other.lfUnderline = 1;
  other.lfStrikeOut = 1;
  other.lfOutPrecision = 3;
  other.lfClipPrecision = 2;
  other.lfPitchAndFamily = 34;
  loaded.Build(other);
  ASSERT_TRUE(loaded.LoadParams(dir.Path("font.txt")).Loaded());

  const LOGFONTA back = loaded.GetFontDesc();
  EXPECT_EQ(std::memcmp(&back, &desc, sizeof desc), 0) << "face " << back.lfFaceName;
  EXPECT_EQ(back.lfEscapement + back.lfOrientation + back.lfUnderline + back.lfStrikeOut + back.lfOutPrecision +
                back.lfClipPrecision + back.lfPitchAndFamily,
            0);
  EXPECT_EQ(loaded.textureWidth, 512);
  EXPECT_EQ(loaded.leading, 3);
  EXPECT_EQ(loaded.kerning, -2);
  EXPECT_EQ(loaded.glyphs, saved.glyphs);
  EXPECT_EQ(loaded.GetTextureSize(), saved.GetTextureSize());
}

TEST(LoadParams, FileWithBareLineFeedsLoadsLikeTheWrittenOne) {
  Fonter saved;
  saved.textureWidth = 300;
  saved.Build();
  std::string unix = Params(saved);
  for (std::size_t at; (at = unix.find("\r\n")) != std::string::npos;) unix.erase(at, 1);
  TempDir dir;
  WriteFile(dir.Path("unix.txt"), unix);
  Fonter loaded;
  ASSERT_TRUE(loaded.LoadParams(dir.Path("unix.txt")).Loaded());
  EXPECT_EQ(loaded.textureWidth, 300);
  EXPECT_EQ(loaded.GetFaceName(), saved.GetFaceName());
}

struct Refusal {
  const char* name;
  std::string content;
  LoadParamsStatus status;
  const char* key;
};

// A valid file with one line replaced.
std::string With(const std::string& line) {
  std::string file = "Font=DejaVu Sans\r\nWidth=0\r\nHeight=32\r\nTexture width=256\r\nLeading=0\r\nKerning=0\r\n";
  const std::size_t key = file.find(line.substr(0, line.find('=') + 1));
  if (key == std::string::npos) return file + line + "\r\n";
  return file.replace(key, file.find("\r\n", key) - key, line);
}

std::string TgaFile() {
  MemorySink out;
  EXPECT_TRUE(WriteTextureTga(out, platform::Bitmap::Create(16, 16).get()));
  return out.Bytes();
}

const Refusal kRefusals[] = {
    {"EmptyFile", "", LoadParamsStatus::NotParamsFile, ""},
    {"TgaImage", TgaFile(), LoadParamsStatus::NotParamsFile, ""},
    {"TextWithoutKeys", "hello=world\r\n; Font params:\r\n", LoadParamsStatus::NotParamsFile, ""},
    {"WidthAbove", With("Width=256"), LoadParamsStatus::ValueOutOfRange, "Width"},
    {"WidthBelow", With("Width=-1"), LoadParamsStatus::ValueOutOfRange, "Width"},
    {"HeightZero", With("Height=0"), LoadParamsStatus::ValueOutOfRange, "Height"},
    {"HeightAbove", With("Height=512"), LoadParamsStatus::ValueOutOfRange, "Height"},
    {"HeightBeyondInt32", With("Height=99999999999"), LoadParamsStatus::ValueOutOfRange, "Height"},
    {"TextureWidthBelow", With("Texture width=7"), LoadParamsStatus::ValueOutOfRange, "Texture width"},
    {"TextureWidthAbove", With("Texture width=4097"), LoadParamsStatus::ValueOutOfRange, "Texture width"},
    {"TextureWidthMissing", "Font=DejaVu Sans\r\nHeight=32\r\n", LoadParamsStatus::ValueOutOfRange, "Texture width"},
    {"LeadingBelow", With("Leading=-256"), LoadParamsStatus::ValueOutOfRange, "Leading"},
    {"KerningAbove", With("Kerning=256"), LoadParamsStatus::ValueOutOfRange, "Kerning"},
};

class LoadParamsRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(LoadParamsRefusal, LeavesTheEngineAsItWas) {
  TempDir dir;
  WriteFile(dir.Path("params.txt"), GetParam().content);
  Fonter engine;
  engine.leading = 9;  // not built yet: even pending settings stay
  const EngineState before(engine);
  const LoadParamsResult result = engine.LoadParams(dir.Path("params.txt"));
  EXPECT_EQ(result.status, GetParam().status);
  EXPECT_EQ(result.key, GetParam().key);
  EXPECT_TRUE(EngineState(engine) == before);
}

INSTANTIATE_TEST_SUITE_P(Cases, LoadParamsRefusal, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<Refusal>& info) { return info.param.name; });

TEST(LoadParams, MissingFileAndRandomBytesAreRefusedCleanly) {
  TempDir dir;
  Fonter engine;
  const EngineState before(engine);
  const LoadParamsResult missing = engine.LoadParams(dir.Path("missing.txt"));
  EXPECT_EQ(missing.status, LoadParamsStatus::CannotOpen);
  EXPECT_EQ(missing.error, ENOENT);

  std::string noise(10 << 20, '\0');
  std::mt19937 random(4);
  for (char& byte : noise) byte = static_cast<char>(random());
  WriteFile(dir.Path("noise.bin"), noise);
  const LoadParamsResult large = engine.LoadParams(dir.Path("noise.bin"));
  EXPECT_EQ(large.status, LoadParamsStatus::CannotOpen);
  EXPECT_EQ(large.error, EFBIG);
  WriteFile(dir.Path("noise.bin"), noise.substr(0, 100000));
  EXPECT_EQ(engine.LoadParams(dir.Path("noise.bin")).status, LoadParamsStatus::NotParamsFile);
  EXPECT_TRUE(EngineState(engine) == before);
}

TEST(LoadParams, FreeValuesAreTakenAsTheyStand) {
  TempDir dir;
  WriteFile(dir.Path("free.txt"), With("Charset=300") + "Quality=-1\r\nItalic=2\r\nWeight=450\r\n");
  Fonter engine;
  ASSERT_TRUE(engine.LoadParams(dir.Path("free.txt")).Loaded());
  EXPECT_EQ(engine.GetCharset(), 44);
  EXPECT_EQ(engine.GetQuality(), 255);
  EXPECT_TRUE(engine.IsItalic());
  EXPECT_EQ(engine.GetWeight(), 450);
}

TEST(LoadParams, LongFaceNameIsCutAtACharacterBoundary) {
  std::string name;
  for (int i = 0; i < 500; ++i) name += "\xC3\xA9";  // é, two bytes: 1000 bytes in all
  TempDir dir;
  WriteFile(dir.Path("long.txt"), With("Font=" + name));
  Fonter engine;
  ASSERT_TRUE(engine.LoadParams(dir.Path("long.txt")).Loaded());
  EXPECT_EQ(engine.GetFaceName(), name.substr(0, 30));
}

TEST(LoadParams, OutcomesBecomeMessagesWithTheFullPath) {
  const std::string path = "/data/fonts/arial.txt";
  EXPECT_TRUE(DescribeLoadParams({}, path).Ok());
  EXPECT_EQ(DescribeLoadParams({LoadParamsStatus::CannotOpen, ENOENT, {}}, path).message,
            "/data/fonts/arial.txt was not found.");
  EXPECT_EQ(DescribeLoadParams({LoadParamsStatus::CannotOpen, EACCES, {}}, path).message,
            "Access to /data/fonts/arial.txt was denied.");
  EXPECT_EQ(DescribeLoadParams({LoadParamsStatus::NotParamsFile, 0, {}}, path).message,
            "/data/fonts/arial.txt is not a font params file.");
  EXPECT_EQ(DescribeLoadParams({LoadParamsStatus::ValueOutOfRange, 0, "Height"}, path).message,
            "The \"Height\" value in /data/fonts/arial.txt is missing or out of range.");
}

}  // namespace
}  // namespace vantor::files

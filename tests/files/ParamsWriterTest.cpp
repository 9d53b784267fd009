#include "files/formats/ParamsWriter.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

namespace vantor::files {
namespace {

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "bytes after the last CR LF";
  return lines;
}

std::string Written(const std::function<bool(ByteSink&)>& write) {
  MemorySink out;
  EXPECT_TRUE(write(out));
  return out.Bytes();
}

TEST(ParamsWriter, LinePiecesAreWrittenAsTheFormatSays) {
  EXPECT_EQ(Written([](ByteSink& out) { return WriteText(out, "; Font params:"); }), "; Font params:");
  EXPECT_EQ(Written([](ByteSink& out) { return WriteParam(out, "Height", 32); }), "Height=32\r\n");
  EXPECT_EQ(Written([](ByteSink& out) { return WriteParam(out, "Leading", 0); }), "Leading=0\r\n");
  EXPECT_EQ(Written([](ByteSink& out) { return WriteParam(out, "Kerning", INT32_MIN); }),
            "Kerning=-2147483648\r\n");
  EXPECT_EQ(Written([](ByteSink& out) { return WriteSymbolParam(out, " ", 0, 0, 9); }), " =0,0,9\r\n");
  EXPECT_EQ(Written([](ByteSink& out) { return WriteSymbolParam(out, "=", 240, -3, 12); }), "==240,-3,12\r\n");
}

TEST(ParamsWriter, FileHasTheTwoHundredFortyLinesOfTheEngineState) {
  Fonter engine;
  LOGFONTA desc = engine.GetFontDesc();
  platform::SetFaceName(desc, "DejaVu Sans");
  desc.lfHeight = 20;
  desc.lfItalic = 1;
  desc.lfQuality = 4;
  engine.textureWidth = 128;
  engine.leading = -2;
  engine.kerning = 3;
  engine.Build(desc);

  const std::vector<std::string> lines = Lines(Written([&](ByteSink& out) { return WriteParamsFile(out, engine); }));
  ASSERT_EQ(lines.size(), 240u);
  const std::vector<std::string> head(lines.begin(), lines.begin() + 16);
  const std::string height = std::to_string(engine.GetTextureSize().height);
  EXPECT_EQ(head, (std::vector<std::string>{"; Font params:", "Font=DejaVu Sans", "Charset=1", "Quality=4",
                                            "Width=0", "Height=20", "Weight=300", "Italic=1", "",
                                            "; Texture params:", "Texture width=128", "Texture height=" + height,
                                            "Leading=-2", "Kerning=3", "", "; Simbol params (x,y,width):"}));
  for (int i = 0; i < Fonter::kGlyphCount; ++i) {
    const GlyphRecord& glyph = engine.glyphs[i];
    EXPECT_EQ(lines[16 + i], std::string(1, static_cast<char>(32 + i)) + "=" + std::to_string(glyph.x) + "," +
                                 std::to_string(glyph.y) + "," + std::to_string(glyph.width));
  }
  EXPECT_EQ(lines[16].substr(0, 2), " =");   // code 32
  EXPECT_EQ(lines[45].substr(0, 2), "==");   // code 61
  EXPECT_EQ(lines[239][0], '\xFF');          // code 255, the raw byte
}

TEST(ParamsWriter, WithoutFontTheFontLinesCarryTheNoFontValues) {
  Fonter engine;
  engine.font.reset();
  engine.texture.reset();
  const std::vector<std::string> lines = Lines(Written([&](ByteSink& out) { return WriteParamsFile(out, engine); }));
  ASSERT_EQ(lines.size(), 240u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 8),
            (std::vector<std::string>{"Font=", "Charset=1", "Quality=0", "Width=0", "Height=0", "Weight=0",
                                      "Italic=0"}));
  EXPECT_EQ(lines[11], "Texture height=0");
}

TEST(ParamsWriter, EveryWriteIsChecked) {
  Fonter engine;
  const std::size_t size = Written([&](ByteSink& out) { return WriteParamsFile(out, engine); }).size();
  for (std::size_t limit = 0; limit < size; limit += 97) {
    test::LimitedSink out(limit);
    EXPECT_FALSE(WriteParamsFile(out, engine)) << "limit " << limit;
  }
  test::LimitedSink exact(size - 1);
  EXPECT_FALSE(WriteParamsFile(exact, engine));
}

}  // namespace
}  // namespace vantor::files

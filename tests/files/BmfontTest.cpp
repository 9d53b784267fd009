#include "files/export/DescribeFont.h"
#include "files/formats/bmfont/BmfontWriters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace vantor::files {
namespace {

void UseFace(Fonter& engine, const char* face, std::uint8_t charset = 1) {
  LOGFONTA desc = engine.GetFontDesc();
  platform::SetFaceName(desc, face);
  desc.lfHeight = 32;
  desc.lfWeight = 400;
  desc.lfCharSet = charset;
  engine.Build(desc);
}

const BitmapFontChar* Find(const BitmapFontDescription& font, std::uint32_t id) {
  const auto it = std::find_if(font.chars.begin(), font.chars.end(), [id](const BitmapFontChar& c) { return c.id == id; });
  return it == font.chars.end() ? nullptr : &*it;
}

struct IdCase {
  std::uint8_t charset;
  std::uint8_t byte;
  std::uint32_t id;
};

// Ids are the code points the engine draws: byte 0x80 of the default set is the euro sign,
// 0xC0 of the Cyrillic set is А, and the symbol set keeps the byte.
TEST(BitmapFontDescription, IdsAreTheCodePointsTheTextureShows) {
  const IdCase cases[] = {{1, 0x80, 0x20AC}, {0, 0xE9, 0xE9}, {204, 0xC0, 0x410}, {204, 0xFF, 0x44F}, {161, 0xC1, 0x391}};
  Fonter engine;
  for (const IdCase& c : cases) {
    UseFace(engine, "DejaVu Sans", c.charset);
    const BitmapFontDescription font = DescribeFont(engine, engine.TextureLayout(), {"p_0.png"});
    const BitmapFontChar* found = Find(font, c.id);
    ASSERT_NE(found, nullptr) << int{c.charset} << " " << int{c.byte};
    const GlyphRecord& record = engine.glyphs[c.byte - Fonter::kFirstCode];
    EXPECT_EQ(found->x, record.x);
    EXPECT_EQ(found->y, record.y);
    EXPECT_EQ(found->width, record.width);
  }
}

TEST(BitmapFontDescription, LeavesOutUndefinedBytesAndRepeatsAndAddsTheKerningSetting) {
  Fonter engine;
  UseFace(engine, "DejaVu Sans", 1);
  engine.kerning = 3;
  engine.leading = 2;
  engine.Build();
  const BitmapFontDescription font = DescribeFont(engine, engine.TextureLayout(), {"p_0.png"});
  // CP1252 leaves 0x81, 0x8D, 0x8F, 0x90 and 0x9D undefined, and the face has no glyph for DEL.
  EXPECT_EQ(font.chars.size(), 224u - 5u - 1u);
  EXPECT_EQ(Find(font, 0x7F), nullptr);
  std::vector<std::uint32_t> ids;
  for (const BitmapFontChar& c : font.chars) ids.push_back(c.id);
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
  const BitmapFontChar* a = Find(font, 'A');
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->xadvance, engine.glyphs['A' - 32].width + 3);  // no synthesised overhang at weight 400
  EXPECT_EQ(a->height, font.lineHeight - 2);
  EXPECT_EQ(font.pages, std::vector<std::string>{"p_0.png"});
  EXPECT_EQ(font.scaleW, engine.GetTextureSize().width);
  EXPECT_EQ(font.scaleH, engine.GetTextureSize().height);
}

int Kerning(const BitmapFontDescription& font, char first, char second) {
  for (const BitmapFontKerning& k : font.kernings) {
    if (k.first == static_cast<std::uint32_t>(first) && k.second == static_cast<std::uint32_t>(second)) return k.amount;
  }
  return 0;
}

TEST(BitmapFontDescription, KerningIsTheFacesOwn) {
  Fonter engine;
  UseFace(engine, "DejaVu Sans");
  const BitmapFontDescription sans = DescribeFont(engine, engine.TextureLayout(), {"p_0.png"});
  EXPECT_LT(Kerning(sans, 'A', 'V'), 0);
  EXPECT_LT(Kerning(sans, 'V', 'A'), 0);
  EXPECT_EQ(Kerning(sans, 'H', 'H'), 0);
  EXPECT_TRUE(std::none_of(sans.kernings.begin(), sans.kernings.end(), [](const BitmapFontKerning& k) { return k.amount == 0; }));
  UseFace(engine, "DejaVu Sans Mono");
  EXPECT_TRUE(DescribeFont(engine, engine.TextureLayout(), {"p_0.png"}).kernings.empty());
}

// A character set on several pages: each character keeps its layout's page and place,
// its advance plus the kerning setting; the same kerning pairs as the 8-bit set.
TEST(CharacterSetDescription, ListsEveryPageAndEachCharactersPage) {
  Fonter engine;
  UseFace(engine, "DejaVu Sans");
  engine.textureWidth = 40;
  engine.kerning = 2;
  std::vector<char32_t> codePoints;
  for (char32_t c = 32; c < 127; ++c) codePoints.push_back(c);
  for (char32_t c = 0x400; c < 0x500; ++c) codePoints.push_back(c);
  const SetLayout layout = engine.LayOutSet(codePoints);
  ASSERT_GE(layout.pageHeights.size(), 2u);
  std::vector<std::string> names;
  for (std::size_t page = 0; page < layout.pageHeights.size(); ++page) names.push_back("s_" + std::to_string(page) + ".png");
  const BitmapFontDescription font = DescribeFont(engine, layout, names);
  EXPECT_EQ(font.pages, names);
  EXPECT_EQ(font.scaleW, 40);
  EXPECT_EQ(font.scaleH, 4096);
  ASSERT_EQ(font.chars.size(), layout.glyphs.size());
  for (std::size_t i = 0; i < font.chars.size(); ++i) {
    const SetGlyph& glyph = layout.glyphs[i];
    const BitmapFontChar expected{glyph.codePoint, glyph.record.x, glyph.record.y, glyph.record.width, layout.cellHeight,
                                  0, 0, glyph.advance == 0 ? 0 : glyph.advance + 2, glyph.page, 15};
    ASSERT_EQ(font.chars[i], expected);
  }
  EXPECT_EQ(font.chars.back().page, static_cast<int>(names.size()) - 1);
  EXPECT_LT(Kerning(font, 'A', 'V'), 0);
  EXPECT_EQ(Kerning(font, 'A', 'V'), Kerning(DescribeFont(engine, engine.TextureLayout(), {"p_0.png"}), 'A', 'V'));
}

// Every character the face has, thousands of them: the kerning pairs are there, each
// between two characters of the set, and those of the Latin letters are the 8-bit set's.
TEST(CharacterSetDescription, EveryCharacterOfTheFaceCarriesItsKerning) {
  Fonter engine;
  UseFace(engine, "DejaVu Sans");
  std::vector<char32_t> codePoints;
  for (char32_t c = 32; c <= 0x10FFFF; ++c) {
    if (c < 0xD800 || c > 0xDFFF) codePoints.push_back(c);
  }
  const SetLayout layout = engine.LayOutSet(codePoints);
  ASSERT_GT(layout.glyphs.size(), 5000u);
  const BitmapFontDescription font = DescribeFont(engine, layout, {"s_0.png"});
  ASSERT_FALSE(font.kernings.empty());
  const auto inSet = [&](std::uint32_t id) { return Find(font, id) != nullptr; };
  EXPECT_TRUE(std::all_of(font.kernings.begin(), font.kernings.end(),
                          [&](const BitmapFontKerning& k) { return inSet(k.first) && inSet(k.second) && k.amount != 0; }));
  const BitmapFontDescription latin = DescribeFont(engine, engine.TextureLayout(), {"p_0.png"});
  for (const char* pair : {"AV", "VA", "To", "LT", "Yo"}) {
    EXPECT_LT(Kerning(font, pair[0], pair[1]), 0) << pair;
    EXPECT_EQ(Kerning(font, pair[0], pair[1]), Kerning(latin, pair[0], pair[1])) << pair;
  }
}

BitmapFontDescription Small() {
  BitmapFontDescription font;
  font.info.face = "A \"B\" & <C>";
  font.info.size = 12;
  font.lineHeight = 13;
  font.base = 10;
  font.scaleW = 64;
  font.scaleH = 32;
  font.pages = {"s_0.png"};
  font.chars = {{65, 1, 2, 7, 13, 0, 0, 8, 0, 15}};
  font.kernings = {{65, 86, -1}};
  return font;
}

TEST(BmfontWriters, TextAndXmlQuoteTheFaceTheirOwnWay) {
  MemorySink text;
  MemorySink xml;
  ASSERT_TRUE(WriteBmfontText(text, Small()));
  ASSERT_TRUE(WriteBmfontXml(xml, Small()));
  EXPECT_EQ(text.Bytes(),
            "info face=\"A 'B' & <C>\" size=12 bold=0 italic=0 charset=\"\" unicode=1 stretchH=100 smooth=1 aa=1 "
            "padding=0,0,0,0 spacing=0,0 outline=0\n"
            "common lineHeight=13 base=10 scaleW=64 scaleH=32 pages=1 packed=0 alphaChnl=0 redChnl=4 greenChnl=4 blueChnl=4\n"
            "page id=0 file=\"s_0.png\"\nchars count=1\n"
            "char id=65 x=1 y=2 width=7 height=13 xoffset=0 yoffset=0 xadvance=8 page=0 chnl=15\n"
            "kernings count=1\nkerning first=65 second=86 amount=-1\n");
  EXPECT_NE(xml.Bytes().find("<info face=\"A &quot;B&quot; &amp; &lt;C&gt;\" size=\"12\""), std::string::npos);
  EXPECT_NE(xml.Bytes().find("<kerning first=\"65\" second=\"86\" amount=\"-1\"/>"), std::string::npos);
}

struct FieldCase {
  const char* fieldType;
  int spread;
  const char* textLine;  ///< what follows the common line
  const char* xmlLine;   ///< what follows the common element
};

// A distance field adds one line or element right after common, its range twice the spread;
// a coverage font goes on with its pages.
TEST(BmfontWriters, DistanceFieldsFollowCommonWithTwiceTheSpread) {
  const FieldCase cases[] = {
      {"sdf", 8, "distanceField fieldType=sdf distanceRange=16\n", "  <distanceField fieldType=\"sdf\" distanceRange=\"16\"/>\n"},
      {"sdf", 3, "distanceField fieldType=sdf distanceRange=6\n", "  <distanceField fieldType=\"sdf\" distanceRange=\"6\"/>\n"},
      {"", 0, "page id=0 ", "  <pages>\n"},
  };
  for (const FieldCase& c : cases) {
    BitmapFontDescription font = Small();
    font.info.fieldType = c.fieldType;
    font.info.fieldSpread = c.spread;
    MemorySink text;
    MemorySink xml;
    ASSERT_TRUE(WriteBmfontText(text, font));
    ASSERT_TRUE(WriteBmfontXml(xml, font));
    const std::string& t = text.Bytes();
    const std::string& x = xml.Bytes();
    const std::size_t afterText = t.find('\n', t.find("\ncommon ") + 1) + 1;
    const std::size_t afterXml = x.find('\n', x.find("<common ")) + 1;
    EXPECT_EQ(t.substr(afterText, std::strlen(c.textLine)), c.textLine) << c.spread;
    EXPECT_EQ(x.substr(afterXml, std::strlen(c.xmlLine)), c.xmlLine) << c.spread;
    EXPECT_EQ(t.find("distanceField") != std::string::npos, c.spread > 0) << c.spread;
    EXPECT_EQ(x.find("distanceField") != std::string::npos, c.spread > 0) << c.spread;
  }
}

TEST(BmfontWriters, BinaryIsVersionThreeWithLittleEndianBlocks) {
  MemorySink out;
  ASSERT_TRUE(WriteBmfontBinary(out, Small()));
  const std::string& b = out.Bytes();
  const std::string nameBlockEnd = std::string("A \"B\" & <C>") + '\0';
  const std::size_t infoSize = 14 + nameBlockEnd.size();
  ASSERT_EQ(b.size(), 4 + (5 + infoSize) + (5 + 15) + (5 + 8) + (5 + 20) + (5 + 10));
  EXPECT_EQ(b.substr(0, 4), std::string("BMF\x03", 4));
  EXPECT_EQ(b.substr(4, 5), std::string("\x01", 1) + static_cast<char>(infoSize) + std::string(3, '\0'));
  EXPECT_EQ(b[11], '\xC0');  // smooth and unicode
  std::size_t chars = 4 + 5 + infoSize + 5 + 15 + 5 + 8;
  EXPECT_EQ(b.substr(chars, 9), std::string("\x04\x14\0\0\0\x41\0\0\0", 9));
  EXPECT_EQ(b.substr(b.size() - 10), std::string("\x41\0\0\0\x56\0\0\0\xFF\xFF", 10));

  BitmapFontDescription tooWide = Small();
  tooWide.chars[0].x = 70000;
  MemorySink refused;
  EXPECT_FALSE(WriteBmfontBinary(refused, tooWide));
  EXPECT_TRUE(refused.Bytes().empty());
}

}  // namespace
}  // namespace vantor::files

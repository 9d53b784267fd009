#include "LanguageFolder.h"
#include "LocalizerFixture.h"

#include <climits>
#include <string>

namespace {

using LocalizerKeyTable = LocalizerFixture;

struct FontSettings {
    std::string font;
    int width;
    int height;
    bool italic;
    int weight;
    int color;
};

struct KeyCase {
    const char* what;
    const char* keyLines;  // LF line ends, written as CR LF after "NAME=X" and "LABEL=x"
    FontSettings expected;
};

constexpr int kWhite = 16777215;
const FontSettings kSectionDefaults{"Times New Roman Cyr", 6, 16, false, 0, kWhite};

FontSettings With(FontSettings settings, auto change)
{
    change(settings);
    return settings;
}

const KeyCase kKeyCases[] = {
    {"no keys: the section defaults", "", kSectionDefaults},
    {"empty values are missing keys", "FONT=\nWIDTH=\nHEIGHT=\nITALIC=\nWEIGHT=\nCOLOR=\n", kSectionDefaults},
    {"every key given", "FONT=Arial\nWIDTH=8\nHEIGHT=20\nITALIC=YES\nWEIGHT=700\nCOLOR=255\n",
     {"Arial", 8, 20, true, 700, 255}},
    {"keys in any order", "COLOR=1\nITALIC=YES\nFONT=Arial\nWEIGHT=100\nHEIGHT=2\nWIDTH=3\n",
     {"Arial", 3, 2, true, 100, 1}},
    {"blanks around a value", "FONT= \t Courier New \t \n", With(kSectionDefaults, [](auto& s) { s.font = "Courier New"; })},
    {"comment ends a value", "FONT=Arial ; the usual face\n", With(kSectionDefaults, [](auto& s) { s.font = "Arial"; })},
    {"first occurrence counts", "WIDTH=7\nWIDTH=9\n", With(kSectionDefaults, [](auto& s) { s.width = 7; })},
    {"an empty first occurrence counts", "WIDTH=\nWIDTH=9\n", kSectionDefaults},
    {"key of the next section does not count", "[Other]\nWIDTH=9\n", kSectionDefaults},
    {"italic lower case", "ITALIC=yes\n", kSectionDefaults},
    {"italic longer", "ITALIC=YESS\n", kSectionDefaults},
    {"italic blanks trimmed", "ITALIC=  YES \t\n", With(kSectionDefaults, [](auto& s) { s.italic = true; })},
    {"weight 450 truncates", "WEIGHT=450\n", With(kSectionDefaults, [](auto& s) { s.weight = 400; })},
    {"weight 750 truncates", "WEIGHT=750\n", With(kSectionDefaults, [](auto& s) { s.weight = 700; })},
    {"weight 99 truncates to 0", "WEIGHT=99\n", kSectionDefaults},
    {"negative weight truncates toward zero", "WEIGHT=-150\n", With(kSectionDefaults, [](auto& s) { s.weight = -100; })},
    {"color 0 is white", "COLOR=0\n", kSectionDefaults},
    {"color word is white", "COLOR=red\n", kSectionDefaults},
    {"color hex is its leading 0", "COLOR=0xFF\n", kSectionDefaults},
    {"color -1", "COLOR=-1\n", With(kSectionDefaults, [](auto& s) { s.color = -1; })},
    {"width word is 0, not the default", "WIDTH=wide\n", With(kSectionDefaults, [](auto& s) { s.width = 0; })},
    {"width leading digits", "WIDTH=12px\n", With(kSectionDefaults, [](auto& s) { s.width = 12; })},
    {"width plus sign", "WIDTH=+7\n", With(kSectionDefaults, [](auto& s) { s.width = 7; })},
    {"width sign alone", "WIDTH=-\n", With(kSectionDefaults, [](auto& s) { s.width = 0; })},
    {"height negative", "HEIGHT=-3\n", With(kSectionDefaults, [](auto& s) { s.height = -3; })},
    {"height too large is clamped", "HEIGHT=99999999999999999999\n", With(kSectionDefaults, [](auto& s) { s.height = INT_MAX; })},
    {"height too small is clamped", "HEIGHT=-99999999999\n", With(kSectionDefaults, [](auto& s) { s.height = INT_MIN; })},
    {"height at the 32-bit limits", "HEIGHT=-2147483648\nWIDTH=2147483647\n",
     With(kSectionDefaults, [](auto& s) { s.height = INT_MIN; s.width = INT_MAX; })},
    {"weight at the 32-bit minimum", "WEIGHT=-2147483648\n", With(kSectionDefaults, [](auto& s) { s.weight = -2147483600; })},
};

TEST_F(LocalizerKeyTable, DefaultsAndConversions)
{
    for (const KeyCase& keyCase : kKeyCases) {
        SCOPED_TRACE(keyCase.what);
        LanguageFolder folder;
        folder.Write("a.lng", LanguageSection("X", "x", keyCase.keyLines));
        Reload(folder.Mask(), "X");
        ASSERT_EQ(localizer.GetLanguageCount(), 1);
        EXPECT_STREQ(localizer.GetFontName(), keyCase.expected.font.c_str());
        EXPECT_EQ(localizer.GetFontWidth(), keyCase.expected.width);
        EXPECT_EQ(localizer.GetFontHeight(), keyCase.expected.height);
        EXPECT_EQ(localizer.GetFontItalic(), keyCase.expected.italic);
        EXPECT_EQ(localizer.GetFontWeight(), keyCase.expected.weight);
        EXPECT_EQ(localizer.GetFontColor(), keyCase.expected.color);
    }
}

TEST_F(LocalizerKeyTable, UnselectedLanguageKeepsTheBuiltInCurrentLanguage)
{
    LanguageFolder folder;
    folder.Write("a.lng", LanguageSection("X", "x", "FONT=Arial\nHEIGHT=30\n"));
    for (const char* requested : {"Y", "", "x"}) {
        SCOPED_TRACE(requested);
        Reload(folder.Mask(), requested);
        ASSERT_EQ(localizer.GetLanguageCount(), 1);
        EXPECT_STREQ(localizer.GetLanguageName(), "ENGLISH");
        EXPECT_STREQ(localizer.GetFontName(), "Times New Roman");
        EXPECT_EQ(localizer.GetFontWidth(), 6);
        EXPECT_EQ(localizer.GetFontHeight(), 14);
        EXPECT_FALSE(localizer.GetFontItalic());
        EXPECT_EQ(localizer.GetFontWeight(), 300);
        EXPECT_EQ(localizer.GetFontColor(), kWhite);
    }
}

TEST_F(LocalizerKeyTable, LanguagesAreCountedInFileAndSectionOrder)
{
    LanguageFolder folder;
    folder.Write("b.lng", LanguageSection("B1", "b1") + LanguageSection("B2", "b2"));
    folder.Write("a.lng", LanguageSection("A1", "a1") +
                              "[LANGUAGE]\r\nNAME=NOLABEL\r\n" +  // not counted, its record reused
                              "[LANGUAGE]\r\nLABEL=nolabel\r\n" + // ignored: no name
                              LanguageSection("A2", "a2"));
    Reload(folder.Mask(), "");
    ASSERT_EQ(localizer.GetLanguageCount(), 4);
    const char* expected[] = {"A1", "A2", "B1", "B2"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_STREQ(localizer.GetLanguageName(i), expected[i]);
    }
    EXPECT_STREQ(localizer.GetLanguageName(-1), "");
    EXPECT_STREQ(localizer.GetLanguageName(4), "");
    EXPECT_STREQ(localizer.GetLanguageName(INT_MIN), "");
    EXPECT_STREQ(localizer.GetLanguageName(INT_MAX), "");
}

TEST_F(LocalizerKeyTable, TwoLanguagesOfOneNameTranslateWithTheFirstAndSetFontsFromTheLast)
{
    LanguageFolder folder;
    folder.Write("a.lng", LanguageSection("X", "first", "FONT=First\n") +
                              LanguageSection("X", "second", "FONT=Second\nWIDTH=9\n") +
                              "[OK]\r\nsecond:by second\r\nfirst:by first\r\n");
    Reload(folder.Mask(), "X");
    EXPECT_EQ(localizer.GetLanguageCount(), 2);
    EXPECT_EQ(Tr("OK"), "by first");
    EXPECT_STREQ(localizer.GetFontName(), "Second");
    EXPECT_EQ(localizer.GetFontWidth(), 9);
}

}  // namespace

#include "LanguageFolder.h"
#include "LocalizerFixture.h"

#include <climits>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using LocalizerLoad = LocalizerFixture;

// One language per file, named after the file, so the loaded names tell which files matched.
void WriteNamedFiles(const LanguageFolder& folder, const std::vector<std::string>& names)
{
    for (const std::string& name : names) {
        folder.Write(name, LanguageSection(name, name));
    }
}

std::vector<std::string> LoadedNames(Localizer& localizer)
{
    std::vector<std::string> names;
    for (int i = 0; i < localizer.GetLanguageCount(); ++i) {
        names.emplace_back(localizer.GetLanguageName(i));
    }
    return names;
}

struct MaskCase {
    const char* pattern;
    std::vector<std::string> expected;  // names in load order
};

TEST_F(LocalizerLoad, MaskSelectsFilesAndByteOrderSortsThem)
{
    LanguageFolder folder;
    WriteNamedFiles(folder, {"b.lng", "a.lng", "ab.lng", "B.lng", "_.lng", "\xC3\xA9.lng", "a.lngx", "a.txt", ".lng",
                             "sub/c.lng"});
    const MaskCase cases[] = {
        {"*.lng", {".lng", "B.lng", "_.lng", "a.lng", "ab.lng", "b.lng", "\xC3\xA9.lng"}},
        {"?.lng", {"B.lng", "_.lng", "a.lng", "b.lng"}},
        {"??.lng", {"ab.lng", "\xC3\xA9.lng"}},
        {"a*", {"a.lng", "a.lngx", "a.txt", "ab.lng"}},
        {"*b*", {"ab.lng", "b.lng"}},
        {"a.lng", {"a.lng"}},
        {"A.lng", {}},
        {"*.LNG", {}},
        {"*.l?g*", {".lng", "B.lng", "_.lng", "a.lng", "a.lngx", "ab.lng", "b.lng", "\xC3\xA9.lng"}},
        {"**?*.txt", {"a.txt"}},
        {"sub/*.lng", {"sub/c.lng"}},
        {"sub/", {}},
        {"*", {".lng", "B.lng", "_.lng", "a.lng", "a.lngx", "a.txt", "ab.lng", "b.lng", "\xC3\xA9.lng"}},
        {"", {}},
    };
    for (const MaskCase& maskCase : cases) {
        SCOPED_TRACE(maskCase.pattern);
        Reload(folder.Mask(maskCase.pattern), "");
        EXPECT_EQ(LoadedNames(localizer), maskCase.expected);
    }
}

TEST_F(LocalizerLoad, MaskWithoutFolderReadsTheCurrentFolder)
{
    LanguageFolder folder;
    WriteNamedFiles(folder, {"x.lng"});
    std::vector<char> previous(4096);
    ASSERT_NE(getcwd(previous.data(), previous.size()), nullptr);
    ASSERT_EQ(chdir(folder.Path().c_str()), 0);
    Reload("*.lng", "");
    const std::vector<std::string> names = LoadedNames(localizer);
    ASSERT_EQ(chdir(previous.data()), 0);
    EXPECT_EQ(names, std::vector<std::string>{"x.lng"});
}

TEST_F(LocalizerLoad, SameMaskKeepsTheFirstSelectionAndAnotherMaskReloads)
{
    LanguageFolder folder;
    folder.Write("a.lng", LanguageSection("EN", "en") + LanguageSection("DE", "de") + "[A]\r\nen:a\r\nde:ah\r\n");
    const std::string mask = folder.Mask();
    localizer.Load(mask.c_str(), "DE");
    EXPECT_EQ(Tr("A"), "ah");

    localizer.Load(mask.c_str(), "EN");
    EXPECT_STREQ(localizer.GetLanguageName(), "DE");
    EXPECT_EQ(Tr("A"), "ah");

    // The same files under another mask string are a new load.
    localizer.Load(folder.Mask("a.lng").c_str(), "EN");
    EXPECT_STREQ(localizer.GetLanguageName(), "EN");
    EXPECT_EQ(Tr("A"), "a");

    folder.Write("b.lng", LanguageSection("FR", "fr"));
    localizer.Load(mask.c_str(), "FR");
    EXPECT_EQ(localizer.GetLanguageCount(), 3);
    EXPECT_STREQ(localizer.GetLanguageName(), "FR");
}

TEST_F(LocalizerLoad, SetLanguageNameRenamesOnlyTheCurrentLanguage)
{
    LanguageFolder folder;
    folder.Write("a.lng", LanguageSection("DE", "de", "FONT=Arial\n") + "[A]\r\nde:ah\r\n");
    Reload(folder.Mask(), "DE");
    localizer.SetLanguageName("Deutsch");
    EXPECT_STREQ(localizer.GetLanguageName(), "Deutsch");
    EXPECT_STREQ(localizer.GetLanguageName(0), "DE");
    EXPECT_EQ(Tr("A"), "ah");
    EXPECT_STREQ(localizer.GetFontName(), "Arial");

    // Its own earlier result as the new name.
    localizer.SetLanguageName(localizer.GetFontName());
    EXPECT_STREQ(localizer.GetLanguageName(), "Arial");
    localizer.SetLanguageName(nullptr);
    EXPECT_STREQ(localizer.GetLanguageName(), "");
}

TEST_F(LocalizerLoad, ResultTextLastsUntilTheNextTextResult)
{
    LanguageFolder folder;
    folder.Write("a.lng", LanguageSection("DE", "de", "FONT=Arial\n") + "[A]\r\nde:ah\r\n[B]\r\nde:beh\r\n");
    Reload(folder.Mask(), "DE");
    const char* result = localizer.Translate("A");
    // Calls that return no text leave it alone.
    localizer.Index("B");
    localizer.GetLanguageCount();
    localizer.GetFontWidth();
    localizer.SetLanguageName("Other");
    localizer.Load(folder.Mask().c_str(), "");
    EXPECT_STREQ(result, "ah");

    // Each text result replaces the last, also when it is passed back in.
    EXPECT_STREQ(localizer.Translate(localizer.Translate("B")), "?");
    EXPECT_STREQ(localizer.Translate(localizer.GetLanguageName(0)), "?");
    const std::string source = "B";
    EXPECT_STREQ(localizer.Translate(source.c_str()), "beh");
    EXPECT_STREQ(localizer.Translate(static_cast<const char*>(nullptr)), "?");
}

TEST_F(LocalizerLoad, HandlesGiveTheTextsTheyWereIssuedFor)
{
    LanguageFolder folder;
    folder.Write("a.lng", "LANG_DEFAULT=EN\r\nTEXT_DEFAULT=none\r\n" + LanguageSection("EN", "en") +
                              LanguageSection("DE", "de") + Crlf("[A]\nde:ah\n[B]\nen:bee\n[C]\nfr:ce\n[A]\nde:again\n"));
    Reload(folder.Mask(), "DE");
    const int a = localizer.Index("A");
    const int b = localizer.Index("B");
    EXPECT_NE(a, 0);
    EXPECT_NE(b, 0);
    EXPECT_NE(a, b);
    EXPECT_EQ(localizer.Index("C"), 0);
    EXPECT_EQ(localizer.Index("missing"), 0);
    EXPECT_EQ(localizer.Index(nullptr), 0);

    EXPECT_STREQ(localizer.Translate(static_cast<unsigned>(a)), "ah");
    EXPECT_STREQ(localizer.Translate(static_cast<unsigned>(b)), "bee");
    EXPECT_STREQ(localizer.Translate(0u), "none");
    // Numbers that no Index call gave name no text.
    EXPECT_STREQ(localizer.Translate(1000u), "none");
    EXPECT_STREQ(localizer.Translate(UINT_MAX), "none");

    // After a reload the handles belong to the new data.
    Reload(folder.Mask(), "EN");
    const int bInEnglish = localizer.Index("B");
    EXPECT_STREQ(localizer.Translate(static_cast<unsigned>(bInEnglish)), "bee");
    EXPECT_EQ(localizer.Index("A"), 0);
}

}  // namespace

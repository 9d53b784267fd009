#include "LanguageFolder.h"
#include "LocalizerFixture.h"

#include <string>

namespace {

using LocalizerUnloaded = LocalizerFixture;

constexpr char kErrorText[] = "Error of the resource file.";

void ExpectUnloadedAnswers(Localizer& localizer)
{
    EXPECT_STREQ(localizer.Translate("OK"), kErrorText);
    EXPECT_STREQ(localizer.Translate(""), kErrorText);
    EXPECT_STREQ(localizer.Translate(0u), kErrorText);
    EXPECT_STREQ(localizer.Translate(1u), kErrorText);
    EXPECT_EQ(localizer.Index("OK"), 0);
    EXPECT_EQ(localizer.GetLanguageCount(), 0);
    EXPECT_STREQ(localizer.GetLanguageName(0), "");
    EXPECT_STREQ(localizer.GetLanguageName(), "");
    EXPECT_STREQ(localizer.GetFontName(), "");
    EXPECT_EQ(localizer.GetFontWidth(), 0);
    EXPECT_EQ(localizer.GetFontHeight(), 0);
    EXPECT_FALSE(localizer.GetFontItalic());
    EXPECT_EQ(localizer.GetFontWeight(), 0);
    EXPECT_EQ(localizer.GetFontColor(), 0);
    localizer.SetLanguageName("X");
    EXPECT_STREQ(localizer.GetLanguageName(), "");
}

TEST_F(LocalizerUnloaded, EveryOperationGivesItsFallback)
{
    ExpectUnloadedAnswers(localizer);
}

TEST_F(LocalizerUnloaded, LoadWithAMaskThatMatchesNothingDiscardsWhatWasLoaded)
{
    LanguageFolder folder;
    folder.Write("a.lng", LanguageSection("EN", "en") + "[OK]\r\nen:Okay\r\n");
    localizer.Load(folder.Mask().c_str(), "EN");
    ASSERT_EQ(localizer.GetLanguageCount(), 1);
    ASSERT_STREQ(localizer.Translate("OK"), "Okay");

    localizer.Load(folder.Mask("*.none").c_str(), "EN");
    ExpectUnloadedAnswers(localizer);

    // Unloaded again, the first mask loads anew rather than counting as already loaded.
    localizer.Load(folder.Mask().c_str(), "EN");
    EXPECT_STREQ(localizer.Translate("OK"), "Okay");
}

TEST_F(LocalizerUnloaded, FilesWithoutACountedLanguageLeaveItUnloaded)
{
    const std::string cases[] = {
        "[OK]\r\nen:Okay\r\n",                          // no language section at all
        "[LANGUAGE]\r\nNAME=EN\r\n[OK]\r\nen:Okay\r\n",  // no label
        "[LANGUAGE]\r\nLABEL=en\r\n[OK]\r\nen:Okay\r\n", // no name
        "[LANGUAGE]\r\nNAME=\r\nLABEL=en\r\n",           // empty name
        "[LANGUAGE]\r\nNAME=EN\r\nLABEL= \t\r\n",        // blank label
    };
    for (const std::string& contents : cases) {
        SCOPED_TRACE(contents);
        LanguageFolder folder;
        folder.Write("a.lng", contents);
        Reload(folder.Mask(), "EN");
        ExpectUnloadedAnswers(localizer);
    }
}

}  // namespace

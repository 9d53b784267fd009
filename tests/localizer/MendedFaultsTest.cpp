#include "LanguageFolder.h"
#include "LocalizerFixture.h"

#include <string>

namespace {

using LocalizerMendedFaults = LocalizerFixture;

// A key or label right after a byte that began a partial match is still found: the byte that
// breaks a partial match is tried again as the start of a match.
struct SearchCase {
    const char* what;
    std::string contents;
    const char* language;
    const char* expectedName;         // GetLanguageName() after the load
    const char* source;               // translated ...
    const char* expectedTranslation;  // ... into this
};

const SearchCase kSearchCases[] = {
    {"NAME= after a doubled N", "[LANGUAGE]\r\nNNAME=X\r\nLABEL=ru\r\n[A]\r\nru:a\r\n", "X", "X", "A", "a"},
    {"a label after a doubled first byte", "[LANGUAGE]\r\nNAME=X\r\nLABEL=ru\r\n[A]\r\nrru:privet\r\n", "X", "X", "A",
     "privet"},
    {"a label whose start repeats inside it", "[LANGUAGE]\r\nNAME=X\r\nLABEL=abab\r\n[A]\r\nababab:x\r\n", "X", "X",
     "A", "x"},
    {"a label after a near miss", "[LANGUAGE]\r\nNAME=X\r\nLABEL=aab\r\n[A]\r\naaab:y\r\n", "X", "X", "A", "y"},
    {"[LANGUAGE] after a doubled '['", "[[LANGUAGE]\r\nNAME=X\r\nLABEL=x\r\n[A]\r\nx:a\r\n", "X", "X", "A", "a"},
    {"LANG_DEFAULT= after a doubled L", "LLANG_DEFAULT=X\r\n[LANGUAGE]\r\nNAME=X\r\nLABEL=x\r\n[A]\r\nx:a\r\n", "", "X",
     "A", "a"},
    {"TEXT_DEFAULT= after a doubled T",
     "TTEXT_DEFAULT=none\r\n[LANGUAGE]\r\nNAME=X\r\nLABEL=x\r\n", "X", "X", "A", "none"},
};

TEST_F(LocalizerMendedFaults, SearchFindsEveryOccurrence)
{
    for (const SearchCase& searchCase : kSearchCases) {
        SCOPED_TRACE(searchCase.what);
        LanguageFolder folder;
        folder.Write("a.lng", searchCase.contents);
        Reload(folder.Mask(), searchCase.language);
        ASSERT_EQ(localizer.GetLanguageCount(), 1);
        EXPECT_STREQ(localizer.GetLanguageName(), searchCase.expectedName);
        EXPECT_EQ(Tr(searchCase.source), searchCase.expectedTranslation);
    }
}

// A section name keeps all its bytes however long it is; it never wraps into another key.
TEST_F(LocalizerMendedFaults, LongSectionNamesStayWhole)
{
    const std::string::size_type lengths[] = {250, 251, 252, 300, 502, 100000};
    for (const std::string::size_type length : lengths) {
        SCOPED_TRACE(length);
        std::string name(length, 'n');
        name.back() = 'z';
        LanguageFolder folder;
        folder.Write("a.lng", LanguageSection("X", "x") + "[" + name + "]\r\nx:long\r\n");
        Reload(folder.Mask(), "X");
        EXPECT_EQ(Tr(name), "long");
        EXPECT_EQ(Tr(""), "?");
        // What a 251-byte name buffer that wraps around would have kept of it.
        EXPECT_EQ(Tr(name.substr(length - length % 251)), length > 250 ? "?" : "long");
        EXPECT_EQ(Tr(name.substr(1)), "?");
    }
}

}  // namespace

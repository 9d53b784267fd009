#include "LanguageFolder.h"
#include "LocalizerFixture.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using LocalizerFileFormat = LocalizerFixture;

struct FormatCase {
    const char* what;
    std::string contents;  // of the one file "a.lng"; languages EN (label "en") and DE (label "de")
    const char* language;
    std::vector<std::pair<std::string, std::string>> expected;  // source text, translation
};

const std::string kLanguages = "LANG_DEFAULT=EN\r\n" + LanguageSection("EN", "en") + LanguageSection("DE", "de");

const FormatCase kFormatCases[] = {
    {"a comment ends a text", kLanguages + "[A]\r\nen:Hello ; greeting\r\n", "EN", {{"A", "Hello"}}},
    {"a comment at the end of the file without CR ends a text", kLanguages + "[A]\r\nen:Hello;", "EN", {{"A", "Hello"}}},
    {"a comment right after the label gives an empty text", kLanguages + "[A]\r\nde:;x\r\nen:Hi\r\n", "DE", {{"A", "Hi"}}},
    {"a comment inside a section name stands as one CR; the LF after it stays",
     kLanguages + "[Save ; what\r\ntexture]\r\nen:Saved\r\n", "EN", {{"Save \r\ntexture", "Saved"}, {"Save texture", "?"}}},
    {"a '[' inside a comment opens nothing", kLanguages + "; [B]\r\n[A]\r\nen:a ; [C]\r\n", "EN",
     {{"A", "a"}, {"B", "?"}, {"C", "?"}}},
    {"a ']' inside a comment closes nothing", kLanguages + "[A;]\r\nB]\r\nen:ab\r\n", "EN", {{"A\r\nB", "ab"}}},
    {"blanks around a text", kLanguages + "[A]\r\nen: \t Hello \t \r\n", "EN", {{"A", "Hello"}}},
    {"blanks inside a text stay", kLanguages + "[A]\r\nen:a \t b\r\n", "EN", {{"A", "a \t b"}}},
    {"an empty text falls back", kLanguages + "[A]\r\nde:  \r\nen:a\r\n", "DE", {{"A", "a"}}},
    {"a '[' inside a text stays in it", kLanguages + "[A]\r\nen:x [y] z\r\nde:German\r\n", "EN", {{"A", "x [y] z"}}},
    {"a '[' inside a text ends later label searches and opens a section",
     kLanguages + "[A]\r\nen:x [y] z\r\nde:German\r\n", "DE", {{"A", "x [y] z"}, {"y", "German"}}},
    {"a label inside an earlier line's text is found there",
     kLanguages + "[A]\r\nde:mit en:innen\r\nen:outer\r\n", "EN", {{"A", "innen"}}},
    {"a label found inside a longer label", kLanguages + "[A]\r\nmen:x\r\nen:y\r\n", "EN", {{"A", "x"}}},
    {"a section body runs to the next '['", kLanguages + "[A]\r\n\r\nnoise\r\n\r\nen:far\r\n[B]\r\nen:b\r\n", "EN",
     {{"A", "far"}, {"B", "b"}}},
    {"the language section is a section named LANGUAGE",
     "LANG_DEFAULT=EN\r\n[LANGUAGE]\r\nNAME=EN\r\nLABEL=en\r\nen:odd\r\n", "EN", {{"LANGUAGE", "odd"}}},
    {"a header without ']' ends the file", kLanguages + "[A]\r\nen:a\r\n[B\r\nen:b\r\n", "EN",
     {{"A", "a"}, {"B", "?"}, {"B\r\nen:b\r\n", "?"}}},
    {"an empty section name", kLanguages + "[]\r\nen:nameless\r\n", "EN", {{"", "nameless"}}},
    {"an LF stays out of CR LF texts", kLanguages + "[A]\r\nen:a\r\n", "EN", {{"A", "a"}}},
    {"bare LF: a text runs on to the next CR",
     kLanguages + "[A]\nen:a\nb\n[B]\nen:b\r\n", "EN", {{"A", "a\nb\n[B]\nen:b"}, {"B", "b"}}},
    {"bare LF: a text runs on to the next comment", kLanguages + "[A]\nen:a\n;\n", "EN", {{"A", "a\n"}}},
    {"bare LF: a text runs on to the end of the file", kLanguages + "[A]\nen:a\n\n", "EN", {{"A", "a\n\n"}}},
    {"bare LF: a comment runs on to the end of the file", kLanguages + "[A]\nen:a\n; note\n[B]\nen:b\n", "EN",
     {{"A", "a\n"}, {"B", "?"}}},
};

TEST_F(LocalizerFileFormat, ReadsTextsAsTheFormatSays)
{
    for (const FormatCase& formatCase : kFormatCases) {
        SCOPED_TRACE(formatCase.what);
        LanguageFolder folder;
        folder.Write("a.lng", formatCase.contents);
        Reload(folder.Mask(), formatCase.language);
        ASSERT_GT(localizer.GetLanguageCount(), 0);
        for (const auto& [source, translation] : formatCase.expected) {
            EXPECT_EQ(Tr(source), translation) << "source text \"" << source << '"';
        }
    }
}

struct NameCase {
    const char* what;
    std::string contents;
    std::string name;  // of the first language
};

const NameCase kNameCases[] = {
    {"INSTALL_NAME before NAME: NAME matches its tail",
     "[LANGUAGE]\r\nINSTALL_NAME=Deutsch\r\nNAME=GERMAN\r\nLABEL=de\r\n", "Deutsch"},
    {"INSTALL_NAME after NAME", "[LANGUAGE]\r\nNAME=GERMAN\r\nINSTALL_NAME=Deutsch\r\nLABEL=de\r\n", "GERMAN"},
    {"a comment inside a name ends it", "[LANGUAGE]\r\nNAME=GER;MAN\r\nLABEL=de\r\n", "GER"},
    {"bare LF: a name runs on over the next lines",
     "[LANGUAGE]\nNAME=X\nLABEL=x\n", "X\nLABEL=x\n"},
    {"bare LF: a name runs on to a comment", "[LANGUAGE]\nNAME=X\nLABEL=x;\n", "X\nLABEL=x"},
    {"a key without '=' is no key", "[LANGUAGE]\r\nNAME GERMAN\r\nNAME=REAL\r\nLABEL=de\r\n", "REAL"},
    {"the value of the key, not of its line", "[LANGUAGE]\r\nXNAME=tail\r\nNAME=REAL\r\nLABEL=de\r\n", "tail"},
};

TEST_F(LocalizerFileFormat, ReadsLanguageNamesAsTheFormatSays)
{
    for (const NameCase& nameCase : kNameCases) {
        SCOPED_TRACE(nameCase.what);
        LanguageFolder folder;
        folder.Write("a.lng", nameCase.contents);
        Reload(folder.Mask(), "");
        ASSERT_EQ(localizer.GetLanguageCount(), 1);
        EXPECT_EQ(std::string(localizer.GetLanguageName(0)), nameCase.name);
    }
}

}  // namespace

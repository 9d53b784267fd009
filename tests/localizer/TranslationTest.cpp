#include "LanguageFolder.h"
#include "LocalizerFixture.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using LocalizerTranslation = LocalizerFixture;

struct File {
    const char* name;
    std::string contents;
};

struct TranslationCase {
    const char* what;
    std::vector<File> files;
    const char* language;
    std::vector<std::pair<std::string, std::string>> expected;  // source text, translation
};

const std::string kTwoLanguages = "LANG_DEFAULT=EN\r\n" + LanguageSection("EN", "@en") + LanguageSection("DE", "@de");

const std::string kFallbackBody = Crlf(
    "[One]\n@en:One\n@de:Eins\n"
    "[Two]\n@en:Two\n"
    "[Three]\n@de:Drei\n"
    "[Four]\nnothing for anyone\n"
    "[Five]\n@de:\n@en:Five\n");

const TranslationCase kTranslationCases[] = {
    {"selected language, then the default language, line by line",
     {{"a.lng", kTwoLanguages + kFallbackBody}},
     "DE",
     {{"One", "Eins"}, {"Two", "Two"}, {"Three", "Drei"}, {"Four", "?"}, {"Five", "Five"}, {"Six", "?"}}},
    {"the default language itself",
     {{"a.lng", kTwoLanguages + kFallbackBody}},
     "EN",
     {{"One", "One"}, {"Three", "?"}}},
    {"empty name selects the default language",
     {{"a.lng", kTwoLanguages + kFallbackBody}},
     "",
     {{"One", "One"}, {"Three", "?"}}},
    {"unknown name translates into the default language",
     {{"a.lng", kTwoLanguages + kFallbackBody}},
     "FR",
     {{"One", "One"}, {"Three", "?"}}},
    {"no default language and no name: nothing translates",
     {{"a.lng", LanguageSection("EN", "@en") + kFallbackBody}},
     "",
     {{"One", "?"}, {"Two", "?"}}},
    {"no default language: the selected language alone",
     {{"a.lng", LanguageSection("EN", "@en") + LanguageSection("DE", "@de") + kFallbackBody}},
     "DE",
     {{"One", "Eins"}, {"Two", "?"}}},
    {"an unknown language is searched as NOT_LABEL, colon and all",
     {{"a.lng", LanguageSection("EN", "@en") + "[One]\r\nNOT_LABEL: odd\r\n"}},
     "",
     {{"One", ": odd"}}},
    {"first section of a text wins within a file",
     {{"a.lng", kTwoLanguages + Crlf("[One]\n@de:first\n[One]\n@de:second\n")}},
     "DE",
     {{"One", "first"}}},
    {"first file of a text wins",
     {{"b.lng", kTwoLanguages + Crlf("[One]\n@de:from b\n")}, {"a.lng", Crlf("[One]\n@de:from a\n")}},
     "DE",
     {{"One", "from a"}}},
    {"a default-language line in an earlier file wins over a later translation",
     {{"a.lng", kTwoLanguages + Crlf("[One]\n@en:One\n")}, {"b.lng", Crlf("[One]\n@de:Eins\n")}},
     "DE",
     {{"One", "One"}}},
    {"a section without a line for the language does not block a later one",
     {{"a.lng", kTwoLanguages + Crlf("[One]\n@fr:Un\n[One]\n@de:Eins\n")}},
     "DE",
     {{"One", "Eins"}}},
    {"languages of one file translate sections of another",
     {{"a.lng", kTwoLanguages}, {"b.lng", Crlf("[One]\n@de:Eins\n")}},
     "DE",
     {{"One", "Eins"}}},
    {"TEXT_DEFAULT sets the text of what has no translation",
     {{"a.lng", kTwoLanguages + "TEXT_DEFAULT= (missing) \r\n" + kFallbackBody}},
     "DE",
     {{"Four", "(missing)"}, {"One", "Eins"}}},
    {"TEXT_DEFAULT: the first file with a value; in a file its first occurrence",
     {{"a.lng", kTwoLanguages + "TEXT_DEFAULT=\r\nTEXT_DEFAULT=later in a\r\n"},
      {"b.lng", "TEXT_DEFAULT=from b\r\n"},
      {"c.lng", "TEXT_DEFAULT=from c\r\n"}},
     "DE",
     {{"Missing", "from b"}}},
    {"LANG_DEFAULT: the first file with a value",
     {{"a.lng", LanguageSection("EN", "@en") + LanguageSection("DE", "@de") + "LANG_DEFAULT=\r\n"},
      {"b.lng", "LANG_DEFAULT=DE\r\n" + Crlf("[One]\n@en:One\n@de:Eins\n")},
      {"c.lng", "LANG_DEFAULT=EN\r\n"}},
     "",
     {{"One", "Eins"}}},
    {"keys that share first, last and middle bytes",
     {{"a.lng", LanguageSection("X", "x") +
                    Crlf("[aXa]\nx:3\n[aXXa]\nx:4\n[ab]\nx:ab\n[abb]\nx:abb\n[abca]\nx:abca\n[abda]\nx:abda\n"
                         "[a]\nx:a\n[]\nx:empty\n[\xC3\x9C" "ber]\nx:high bytes\n[\xFF]\nx:ff\n")}},
     "X",
     {{"aXa", "3"}, {"aXXa", "4"}, {"ab", "ab"}, {"abb", "abb"}, {"abca", "abca"}, {"abda", "abda"},
      {"a", "a"}, {"", "empty"}, {"\xC3\x9C" "ber", "high bytes"}, {"\xFF", "ff"},
      {"aXXXa", "?"}, {"abba", "?"}, {"b", "?"}, {"\xC3", "?"}}},
};

TEST_F(LocalizerTranslation, TranslatesAsTheFilesSay)
{
    for (const TranslationCase& translationCase : kTranslationCases) {
        SCOPED_TRACE(translationCase.what);
        LanguageFolder folder;
        for (const File& file : translationCase.files) {
            folder.Write(file.name, file.contents);
        }
        Reload(folder.Mask(), translationCase.language);
        ASSERT_GT(localizer.GetLanguageCount(), 0);
        for (const auto& [source, translation] : translationCase.expected) {
            EXPECT_EQ(Tr(source), translation) << "source text \"" << source << '"';
        }
    }
}

TEST_F(LocalizerTranslation, SelectedLanguageIsTheCurrentOne)
{
    LanguageFolder folder;
    folder.Write("a.lng", kTwoLanguages);
    for (const char* language : {"EN", "DE"}) {
        Reload(folder.Mask(), language);
        EXPECT_STREQ(localizer.GetLanguageName(), language);
    }
    Reload(folder.Mask(), "");
    EXPECT_STREQ(localizer.GetLanguageName(), "EN");
}

}  // namespace

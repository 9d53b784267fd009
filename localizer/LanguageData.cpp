#include "LanguageData.h"

#include "FixedTexts.h"
#include "LanguageFile.h"
#include "LanguageFiles.h"
#include "LanguageSection.h"
#include "Scanning.h"

#include <utility>

namespace localizer {

namespace {

void ReadLanguages(const std::vector<LanguageFile>& files, std::vector<LanguageInfo>& languages)
{
    const SearchPattern header = MakeSearchPattern(kLanguageHeader);
    for (const LanguageFile& file : files) {
        std::size_t position = 0;
        while (const std::optional<std::size_t> body =
                   Search(file.Bytes(), position, header, SearchScope::File)) {
            position = *body;
            if (const std::optional<LanguageInfo> language = ReadLanguageSection(file, position)) {
                languages.push_back(*language);
            }
        }
    }
}

// The first non-empty value of a global key; within a file only its first occurrence counts.
std::string_view FirstGlobalValue(const std::vector<LanguageFile>& files, std::string_view key)
{
    const SearchPattern pattern = MakeSearchPattern(key);
    for (const LanguageFile& file : files) {
        const std::string_view value = ValueOfKey(file, 0, pattern, SearchScope::File);
        if (!value.empty()) {
            return value;
        }
    }
    return {};
}

// The text that begins the lines of the first language of that name: its label and a colon.
std::string LinePrefixOf(const std::vector<LanguageInfo>& languages, std::string_view name)
{
    for (const LanguageInfo& language : languages) {
        if (language.name == name) {
            return std::string(language.label) + ':';
        }
    }
    return kNotLabel;
}

void ReadTranslations(const std::vector<LanguageFile>& files, const std::string& requestedPrefix,
                      const std::string& defaultPrefix, TranslationTable& table)
{
    const SearchPattern requested = MakeSearchPattern(requestedPrefix);
    const SearchPattern fallback = MakeSearchPattern(defaultPrefix);
    const bool samePrefix = requestedPrefix == defaultPrefix;
    for (const LanguageFile& file : files) {
        std::size_t position = 0;
        while (std::optional<SectionHeader> header = ReadSectionHeader(file.Bytes(), position)) {
            // The next header is searched from the start of this body, so a '[' inside a
            // translation opens a section of its own.
            position = header->bodyStart;
            std::string_view text = ValueOfKey(file, position, requested, SearchScope::Section);
            if (text.empty() && !samePrefix) {
                text = ValueOfKey(file, position, fallback, SearchScope::Section);
            }
            if (!text.empty()) {
                table.Add(std::move(header->name), text);
            }
        }
    }
}

}  // namespace

LanguageData BuildLanguageData(std::vector<std::string> files, std::string_view requested)
{
    LanguageData data;
    // The data keeps the files; moving the data later moves no file bytes, so views stay valid.
    data.files = std::move(files);
    const std::vector<LanguageFile> indexed(data.files.begin(), data.files.end());

    ReadLanguages(indexed, data.languages);

    data.defaultLanguage = FirstGlobalValue(indexed, kLanguageDefaultKey);
    const std::string_view requestedName = requested.empty() ? data.defaultLanguage : requested;
    data.defaultText = FirstGlobalValue(indexed, kTextDefaultKey);
    if (data.defaultText.empty()) {
        data.defaultText = kDefaultText;
    }

    // Translations follow the first language of the name, the current language the last one.
    ReadTranslations(indexed, LinePrefixOf(data.languages, requestedName),
                     LinePrefixOf(data.languages, data.defaultLanguage), data.table);
    for (const LanguageInfo& language : data.languages) {
        if (language.name == requestedName) {
            data.current = language;
        }
    }
    data.currentName = data.current.name;
    return data;
}

LanguageData LoadLanguageData(std::string_view mask, std::string_view requested)
{
    return BuildLanguageData(ReadLanguageFiles(mask), requested);
}

std::optional<std::string_view> Lookup(const LanguageData& data, std::string_view key, bool noDefault) noexcept
{
    const std::size_t position = data.table.Find(key);
    if (position != TranslationTable::npos) {
        return data.table.Text(position);
    }
    if (noDefault) {
        return std::nullopt;
    }
    return data.defaultText;
}

}  // namespace localizer

#include "LanguageData.h"

#include "FixedTexts.h"
#include "LanguageFiles.h"
#include "LanguageSection.h"
#include "Scanning.h"

#include <optional>
#include <utility>

namespace localizer {

namespace {

void ReadLanguages(const std::vector<std::string>& files, std::vector<LanguageInfo>& languages)
{
    const SearchPattern header = MakeSearchPattern(kLanguageHeader);
    for (const std::string& file : files) {
        std::size_t position = 0;
        while (const std::optional<std::size_t> body =
                   Search(file, position, header, SearchScope::File)) {
            position = *body;
            if (std::optional<LanguageInfo> language = ReadLanguageSection(file, position)) {
                languages.push_back(std::move(*language));
            }
        }
    }
}

// The first non-empty value of a global key; within a file only its first occurrence counts.
std::string FirstGlobalValue(const std::vector<std::string>& files, std::string_view key)
{
    const SearchPattern pattern = MakeSearchPattern(key);
    for (const std::string& file : files) {
        std::string value = ValueOfKey(file, 0, pattern, SearchScope::File);
        if (!value.empty()) {
            return value;
        }
    }
    return {};
}

std::string LabelOf(const std::vector<LanguageInfo>& languages, std::string_view name)
{
    for (const LanguageInfo& language : languages) {
        if (language.name == name) {
            return language.label;
        }
    }
    return kNotLabel;
}

void ReadTranslations(const std::vector<std::string>& files, const std::string& requestedLabel,
                      const std::string& defaultLabel, TranslationTable& table)
{
    const SearchPattern requested = MakeSearchPattern(requestedLabel);
    const SearchPattern fallback = MakeSearchPattern(defaultLabel);
    const bool sameLabel = requestedLabel == defaultLabel;
    for (const std::string& file : files) {
        std::size_t position = 0;
        while (std::optional<SectionHeader> header = ReadSectionHeader(file, position)) {
            // The next header is searched from the start of this body, so a '[' inside a
            // translation opens a section of its own.
            position = header->bodyStart;
            std::string text = ValueOfKey(file, position, requested, SearchScope::Section);
            if (text.empty() && !sameLabel) {
                text = ValueOfKey(file, position, fallback, SearchScope::Section);
            }
            if (!text.empty()) {
                table.Add(std::move(header->name), std::move(text));
            }
        }
    }
}

}  // namespace

LanguageData BuildLanguageData(const std::vector<std::string>& files, std::string_view requested)
{
    LanguageData data;
    ReadLanguages(files, data.languages);

    data.defaultLanguage = FirstGlobalValue(files, kLanguageDefaultKey);
    const std::string requestedName(requested.empty() ? std::string_view(data.defaultLanguage)
                                                      : requested);
    data.defaultText = FirstGlobalValue(files, kTextDefaultKey);
    if (data.defaultText.empty()) {
        data.defaultText = std::string(kDefaultText);
    }

    // Translations follow the first language of the name, the current language the last one.
    ReadTranslations(files, LabelOf(data.languages, requestedName),
                     LabelOf(data.languages, data.defaultLanguage), data.table);
    for (const LanguageInfo& language : data.languages) {
        if (language.name == requestedName) {
            data.current = language;
        }
    }
    return data;
}

LanguageData LoadLanguageData(std::string_view mask, std::string_view requested)
{
    return BuildLanguageData(ReadLanguageFiles(mask), requested);
}

const std::string* Lookup(const LanguageData& data, std::string_view key, bool noDefault) noexcept
{
    const std::size_t position = data.table.Find(key);
    if (position != TranslationTable::npos) {
        return &data.table.Text(position);
    }
    return noDefault ? nullptr : &data.defaultText;
}

}  // namespace localizer

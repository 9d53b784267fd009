#pragma once

#include "LanguageInfo.h"
#include "TranslationTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace localizer {

/// What one load of language files yields: the languages found, the defaults, the selected
/// language and the translations of the source texts into it. Its texts are views into the
/// files it keeps, which is why it can be moved but not copied.
struct LanguageData {
    /// Empty data; moving keeps every view valid, since the file bytes themselves stay put.
    LanguageData() = default;
    LanguageData(LanguageData&&) = default;
    LanguageData& operator=(LanguageData&&) = default;
    LanguageData(const LanguageData&) = delete;
    LanguageData& operator=(const LanguageData&) = delete;
    ~LanguageData() = default;

    /// The whole contents of the files, in load order; every view below points into them.
    std::vector<std::string> files;
    /// The "LANG_DEFAULT=" value of the first file that gives one; empty when none does.
    std::string_view defaultLanguage;
    /// The text of a source text without translation.
    std::string_view defaultText;
    /// The counted languages, in the order their sections were found.
    std::vector<LanguageInfo> languages;
    /// The selected language, or the built-in one when no language has the requested name.
    LanguageInfo current = BuiltInCurrentLanguage();
    /// The name reported for the current language; starts as its name and may be renamed.
    std::string currentName;
    /// Source text to text in the selected language, else in the default language.
    TranslationTable table;
};

/// Returns the data built from files (whole file contents, in load order) for the language
/// named requested, or for the files' default language when requested is empty.
LanguageData BuildLanguageData(std::vector<std::string> files, std::string_view requested);

/// Returns the data built from the files that match mask (see BuildLanguageData).
LanguageData LoadLanguageData(std::string_view mask, std::string_view requested);

/// Returns the text stored for key; when there is none, nothing if noDefault, else the default text.
std::optional<std::string_view> Lookup(const LanguageData& data, std::string_view key, bool noDefault) noexcept;

}  // namespace localizer

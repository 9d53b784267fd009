#pragma once

#include "LanguageInfo.h"
#include "TranslationTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace localizer {

/// What one load of language files yields: the languages found, the defaults, the selected
/// language and the translations of the source texts into it.
struct LanguageData {
    /// The "LANG_DEFAULT=" value of the first file that gives one; empty when none does.
    std::string defaultLanguage;
    /// The text of a source text without translation.
    std::string defaultText;
    /// The counted languages, in the order their sections were found.
    std::vector<LanguageInfo> languages;
    /// The selected language, or the built-in one when no language has the requested name.
    LanguageInfo current = BuiltInCurrentLanguage();
    /// Source text to text in the selected language, else in the default language.
    TranslationTable table;
};

/// Returns the data built from files (whole file contents, in load order) for the language
/// named requested, or for the files' default language when requested is empty.
LanguageData BuildLanguageData(const std::vector<std::string>& files, std::string_view requested);

/// Returns the data built from the files that match mask (see BuildLanguageData).
LanguageData LoadLanguageData(std::string_view mask, std::string_view requested);

/// Returns the text stored for key; when there is none, nullptr if noDefault, else the default text.
const std::string* Lookup(const LanguageData& data, std::string_view key, bool noDefault) noexcept;

}  // namespace localizer

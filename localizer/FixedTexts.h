#pragma once

// The fixed texts of the language library, in one place.
namespace localizer {

/// What every text request answers while no language is loaded.
inline constexpr char kErrorText[] = "Error of the resource file.";

/// What a text without translation answers when no file sets "TEXT_DEFAULT=".
inline constexpr char kDefaultText[] = "?";

/// The label searched for when a language name names no loaded language.
inline constexpr char kNotLabel[] = "NOT_LABEL";

/// The global key naming the default language.
inline constexpr char kLanguageDefaultKey[] = "LANG_DEFAULT=";

/// The global key giving the text of untranslated source texts.
inline constexpr char kTextDefaultKey[] = "TEXT_DEFAULT=";

/// The header that opens a language section.
inline constexpr char kLanguageHeader[] = "[LANGUAGE]";

}  // namespace localizer

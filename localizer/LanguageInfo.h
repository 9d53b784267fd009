#pragma once

#include <cstdint>
#include <string_view>

namespace localizer {

/// One language of the language files: its names, display font and line label. The texts are
/// views into the loaded files (or into fixed texts) and live as long as the data that holds them.
struct LanguageInfo {
    /// Identifies the language; requested names are compared with it byte for byte.
    std::string_view name;
    /// The name to show to users; stored, never returned.
    std::string_view installName;
    /// Font face for texts in this language.
    std::string_view fontName;
    /// Whether the font is italic.
    bool italic = false;
    /// Font weight, a multiple of 100.
    std::int32_t weight = 0;
    /// Font width.
    std::int32_t width = 0;
    /// Font height.
    std::int32_t height = 0;
    /// Text colour as a plain integer, handed to callers unchanged.
    std::int32_t color = 0;
    /// The "LABEL=" value: this language's lines in translation sections begin with it and ':'.
    std::string_view label;
    /// The "LOCALE=" value: the locale codes this language serves, comma-separated (e.g. "de,de_AT"); may be empty.
    std::string_view locales;
};

/// Returns the language that is current before any language is selected.
LanguageInfo BuiltInCurrentLanguage() noexcept;

}  // namespace localizer

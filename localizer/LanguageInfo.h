#pragma once

#include <cstdint>
#include <string>

namespace localizer {

/// One language of the language files: its names, display font and line label.
struct LanguageInfo {
    /// Identifies the language; requested names are compared with it byte for byte.
    std::string name;
    /// The name to show to users; stored, never returned.
    std::string installName;
    /// Font face for texts in this language.
    std::string fontName;
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
    /// The text that starts this language's lines in translation sections, ending in ':'.
    std::string label;
};

/// Returns the language that is current before any language is selected.
LanguageInfo BuiltInCurrentLanguage();

}  // namespace localizer

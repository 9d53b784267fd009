#pragma once

#include <cstdint>
#include <string>

namespace localizer {

/// One language of the language files: its names, display font and line label.
struct LanguageInfo {
    std::string name;
    std::string installName;
    std::string fontName;
    bool italic = false;
    std::int32_t weight = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t color = 0;
    std::string label;
};

/// Returns the language that is current before any language is selected.
LanguageInfo BuiltInCurrentLanguage();

}  // namespace localizer

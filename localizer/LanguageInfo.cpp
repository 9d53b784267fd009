#include "LanguageInfo.h"

namespace localizer {

LanguageInfo BuiltInCurrentLanguage() noexcept
{
    LanguageInfo info;
    info.name = "ENGLISH";
    info.installName = "English";
    info.fontName = "Times New Roman";
    info.italic = false;
    info.weight = 300;
    info.width = 6;
    info.height = 14;
    info.color = 16777215;
    // Never searched for: translations follow the labels of the loaded languages only.
    info.label = "ru";
    return info;
}

}  // namespace localizer

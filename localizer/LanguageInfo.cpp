#include "LanguageInfo.h"

namespace localizer {

LanguageInfo BuiltInCurrentLanguage()
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
    // Without a colon, unlike every label read from a file; it is never searched for.
    info.label = "ru";
    return info;
}

}  // namespace localizer
